// The stand-in host's library as the host's own: every name the module may
// import from OBSApi.dll, with the host's types, conventions, layouts and
// slots, each handing its work to the stand-in host (host_abi.cpp).

#define OBSAPI_DEFINING
#include "module/host_abi/constructed.h"
#include "module/host_abi/obsapi.h"
#include "standins/host_library/msvc/standin_calls.h"

namespace {

const char16_t* Utf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
char16_t* Utf16(wchar_t* text) { return reinterpret_cast<char16_t*>(text); }
const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

// --- String ---------------------------------------------------------------------
String::String() { standin_string_init(this); }
String::String(CWSTR str) { standin_string_from_text(this, Utf16(str)); }
String::String(LPCSTR str) { standin_string_from_utf8(this, str); }
String::String(const String& str) { standin_string_copy(this, &str); }
String::~String() { standin_string_destroy(this); }
String& String::operator=(CTSTR str) {
  standin_string_assign_text(this, Utf16(str));
  return *this;
}
String& String::operator=(const String& str) {
  standin_string_assign(this, &str);
  return *this;
}
String& String::operator<<(CTSTR str) {
  standin_string_append_text(this, Utf16(str));
  return *this;
}
String& String::operator<<(TCHAR ch) {
  const wchar_t text[2] = {ch, 0};
  return *this << text;
}
String& String::operator<<(int number) {
  standin_string_append_int(this, number);
  return *this;
}
String& String::operator<<(unsigned int number) {
  standin_string_append_unsigned(this, number);
  return *this;
}
String& String::operator<<(const String& str) {
  standin_string_append(this, &str);
  return *this;
}
String String::operator+(CTSTR str) const { return String(*this) << str; }
String String::operator+(TCHAR ch) const { return String(*this) << ch; }
String String::operator+(int number) const { return String(*this) << number; }
String String::operator+(unsigned int number) const { return String(*this) << number; }
String String::operator+(const String& str) const { return String(*this) << str; }
BOOL String::Compare(CTSTR str) const { return standin_string_compare(this, Utf16(str), false); }
BOOL String::CompareI(CTSTR str) const { return standin_string_compare(this, Utf16(str), true); }
String String::GetToken(int id, TCHAR token) const {
  return Constructed<String>(
      [&](void* result) { standin_string_get_token(this, id, static_cast<char16_t>(token), result); });
}
CTSTR String::GetTokenOffset(int token, TCHAR separator) const {
  return Wide(standin_string_get_token_offset(this, token, static_cast<char16_t>(separator)));
}
String String::Left(UINT iEnd) {
  return Constructed<String>([&](void* result) { standin_string_left(this, iEnd, result); });
}
String& String::FindReplace(CTSTR strFind, CTSTR strReplace) {
  standin_string_find_replace(this, Utf16(strFind), Utf16(strReplace));
  return *this;
}

UINT __stdcall slen(const TCHAR* strSrc) { return standin_slen(Utf16(strSrc)); }
void __stdcall scpy_n(TCHAR* strDest, const TCHAR* strSrc, unsigned int n) {
  standin_scpy_n(Utf16(strDest), Utf16(strSrc), n);
}
TCHAR* __stdcall sfix(TCHAR* str) { return reinterpret_cast<TCHAR*>(standin_sfix(Utf16(str))); }
BOOL __stdcall ValidIntString(CTSTR lpStr) { return standin_valid_int_string(Utf16(lpStr)); }
int __cdecl tstring_base_to_int(const TCHAR* nptr, TCHAR** endptr, int base) {
  return standin_text_to_int(Utf16(nptr), reinterpret_cast<char16_t**>(endptr), base);
}

// --- XElement ---------------------------------------------------------------------
CTSTR XElement::GetString(CTSTR lpName, TSTR def) const {
  return Wide(standin_element_get_string(this, Utf16(lpName), Utf16(def)));
}
int XElement::GetInt(CTSTR lpName, int def) const { return standin_element_get_int(this, Utf16(lpName), def); }
float XElement::GetFloat(CTSTR lpName, float def) const { return standin_element_get_float(this, Utf16(lpName), def); }
void XElement::SetString(CTSTR lpName, CTSTR lpString) {
  standin_element_set_string(this, Utf16(lpName), Utf16(lpString));
}
void XElement::SetInt(CTSTR lpName, int number) { standin_element_set_int(this, Utf16(lpName), number); }
void XElement::SetFloat(CTSTR lpName, float number) { standin_element_set_float(this, Utf16(lpName), number); }
XElement* XElement::GetElement(CTSTR lpName) const {
  return static_cast<XElement*>(standin_element_get_element(this, Utf16(lpName)));
}
XElement* XElement::CreateElement(CTSTR lpName) {
  return static_cast<XElement*>(standin_element_create_element(this, Utf16(lpName)));
}

// --- the allocator, graphics, locale, the API object ------------------------------
namespace {

class StandinAlloc final : public Alloc {
 public:
  constexpr StandinAlloc() = default;
  void* _Allocate(size_t dwSize) override { return standin_allocate(dwSize); }
  void* _ReAllocate(LPVOID, size_t) override { __builtin_trap(); }  // the module never asks
  void _Free(LPVOID lpData) override { standin_free(lpData); }
  void ErrorTermination() override { __builtin_trap(); }
};

// The slots of every stand-in texture: the object is a MemoryTexture that
// starts with this class's vtable pointer.
class StandinTexture final : public Texture {
 public:
  constexpr StandinTexture() = default;
  DWORD Width() const override { return standin_texture_width(this); }
  DWORD Height() const override { return standin_texture_height(this); }
  BOOL HasAlpha() const override { return 1; }
  void SetImage(void* lpData, GSImageFormat imageFormat, UINT pitch) override {
    standin_texture_set_image(this, lpData, imageFormat, pitch);
  }
  bool Map(BYTE*&, UINT&) override { return false; }
  void Unmap() override {}
  GSColorFormat GetFormat() const override { return GS_BGRA; }
  bool GetDC(HDC&) override { return false; }
  void ReleaseDC() override {}
  LPVOID GetD3DTexture() override { return nullptr; }
  HANDLE GetSharedHandle() override { return nullptr; }
  // Slot 0 ends with this: the stand-in destroys and frees its texture.
  static void operator delete(void* texture) { standin_texture_delete(texture); }
};

class StandinGraphics final : public GraphicsSystem {
 public:
  constexpr StandinGraphics() = default;
  LPVOID GetDevice() override { return nullptr; }
  void Init() override {}
  Texture* CreateTextureFromSharedHandle(unsigned int, unsigned int, HANDLE) override { return nullptr; }
  Texture* CreateTexture(unsigned int width, unsigned int height, GSColorFormat colorFormat, void* lpData,
                         BOOL bBuildMipMaps, BOOL bStatic) override {
    return static_cast<Texture*>(
        standin_create_texture(width, height, colorFormat, lpData, bBuildMipMaps != 0, bStatic != 0));
  }

 private:
  void ResizeView() override {}
  void UnloadAllData() override {}
};

class StandinApi final : public APIInterface {
 public:
  constexpr StandinApi() = default;
  void EnterSceneMutex() override {}
  void LeaveSceneMutex() override {}
  void RegisterSceneClass(CTSTR, CTSTR, OBSCREATEPROC, OBSCONFIGPROC) override {}
  void RegisterImageSourceClass(CTSTR lpClassName, CTSTR lpDisplayName, OBSCREATEPROC createProc,
                                OBSCONFIGPROC configProc) override {
    OBSRegisterImageSourceClass(lpClassName, lpDisplayName, createProc, configProc);
  }
};

// Constant-initialised and never destroyed: this half has no initialisers
// or exit handlers of its own.
[[clang::no_destroy]] constinit StandinAlloc the_allocator;
[[clang::no_destroy]] constinit StandinTexture texture_slots;
[[clang::no_destroy]] constinit StandinGraphics the_graphics;
[[clang::no_destroy]] constinit StandinApi the_api;
// LookupString answers without a table: the object only needs an address.
LocaleStringLookup the_locale;

}  // namespace

GraphicsSystem::~GraphicsSystem() {}

// The deleting destructors of the objects above name operator delete; none of
// them is ever deleted, and a texture's slot 0 has an operator delete of its
// own.
void operator delete(void*) noexcept { __builtin_trap(); }
void operator delete(void*, size_t) noexcept { __builtin_trap(); }

APIInterface* API = &the_api;
GraphicsSystem* GS = nullptr;
Alloc* MainAllocator = &the_allocator;
LocaleStringLookup* locale = &the_locale;

CTSTR LocaleStringLookup::LookupString(CTSTR lookupVal) { return Wide(standin_lookup_string(Utf16(lookupVal))); }

void GraphicsSystem::DrawSprite(Texture* texture, DWORD color, float x, float y, float x2, float y2) {
  standin_draw_sprite(texture, color, x, y, x2, y2);
}

extern "C" const void* standin_texture_vtable() { return *reinterpret_cast<const void* const*>(&texture_slots); }
extern "C" void standin_set_output(bool output) { GS = output ? &the_graphics : nullptr; }

// --- free functions ----------------------------------------------------------------
void __cdecl OBSRegisterImageSourceClass(CTSTR lpClassName, CTSTR lpDisplayName, OBSCREATEPROC createProc,
                                         OBSCONFIGPROC configProc) {
  standin_register_class(Utf16(lpClassName), Utf16(lpDisplayName), createProc, configProc);
}
void __cdecl Log(const TCHAR* format, ...) {
  __builtin_va_list arguments;
  __builtin_va_start(arguments, format);
  standin_log(false, Utf16(format), arguments);
  __builtin_va_end(arguments);
}
void __cdecl AppWarning(const TCHAR* format, ...) {
  __builtin_va_list arguments;
  __builtin_va_start(arguments, format);
  standin_log(true, Utf16(format), arguments);
  __builtin_va_end(arguments);
}
int __cdecl OBSMessageBox(HWND hwnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT flags) {
  return standin_message_box(hwnd, Utf16(lpText), Utf16(lpCaption), flags);
}
void __cdecl InitColorControl(HINSTANCE hInstance) { standin_init_color_control(hInstance); }
