// The host API the plug-in is written against (module/host_api/), where the module binds
// to the host's own library: every member hands its call to the host's
// export or slot through the other half of the binding, compiled in the
// host's ABI (obsapi_calls.cpp). The String's storage is the host's String.

#include "module/host_abi/binding/host_calls.h"
#include "module/host_abi/constructed.h"
#include "module/host_api/api.h"

static_assert(sizeof(String) == 2 * sizeof(void*), "String has the host's layout: buffer, length");

// --- String -----------------------------------------------------------------
String::String() { obsapi_string_init(this); }
String::String(const char16_t* text) { obsapi_string_from_text(this, text); }
String::String(const char* utf8) { obsapi_string_from_utf8(this, utf8); }
String::String(const String& other) { obsapi_string_copy(this, &other); }
String::~String() { obsapi_string_destroy(this); }

String& String::operator=(const String& other) {
  obsapi_string_assign(this, &other);
  return *this;
}
String& String::operator=(const char16_t* text) {
  obsapi_string_assign_text(this, text);
  return *this;
}
String& String::operator<<(const String& other) {
  obsapi_string_append(this, &other);
  return *this;
}
String& String::operator<<(const char16_t* text) {
  obsapi_string_append_text(this, text);
  return *this;
}
String& String::operator<<(int value) {
  obsapi_string_append_int(this, value);
  return *this;
}

String String::operator+(const String& other) const {
  return Constructed<String>([&](void* result) { obsapi_string_plus(this, &other, result); });
}
String String::operator+(const char16_t* text) const {
  return Constructed<String>([&](void* result) { obsapi_string_plus_text(this, text, result); });
}

// The host compares with its text, and a String without a buffer holds the
// empty text.
bool String::operator==(const char16_t* text) const {
  if (!buffer_) return !text || !*text;
  return obsapi_string_compare(this, text ? text : u"") != 0;
}
bool String::operator==(const String& other) const { return *this == other.c_str(); }

String String::GetToken(int index, char16_t separator) const {
  return Constructed<String>([&](void* result) { obsapi_string_get_token(this, index, separator, result); });
}
const char16_t* String::GetTokenOffset(int index, char16_t separator) const {
  return obsapi_string_get_token_offset(this, index, separator);
}
String String::Left(unsigned count) const {
  // The host's Left is not const, but it only reads.
  return Constructed<String>([&](void* result) { obsapi_string_left(const_cast<String*>(this), count, result); });
}
String& String::FindReplace(const char16_t* find, const char16_t* replacement) {
  obsapi_string_find_replace(this, find, replacement);
  return *this;
}
String& String::KillSpaces() {
  obsapi_string_kill_spaces(this);
  return *this;
}
int String::ToInt(int base) const { return obsapi_string_to_int(this, base); }

std::size_t slen(const char16_t* text) { return obsapi_slen(text); }
char16_t* scpy_n(char16_t* dst, const char16_t* src, unsigned max_chars) {
  obsapi_scpy_n(dst, src, max_chars);
  return dst;
}

// --- XElement -----------------------------------------------------------------
const char16_t* XElement::GetString(const char16_t* name, const char16_t* def) const {
  return obsapi_element_get_string(this, name, def);
}
int XElement::GetInt(const char16_t* name, int def) const { return obsapi_element_get_int(this, name, def); }
float XElement::GetFloat(const char16_t* name, float def) const { return obsapi_element_get_float(this, name, def); }
void XElement::SetString(const char16_t* name, const char16_t* value) { obsapi_element_set_string(this, name, value); }
void XElement::SetInt(const char16_t* name, int value) { obsapi_element_set_int(this, name, value); }
void XElement::SetFloat(const char16_t* name, float value) { obsapi_element_set_float(this, name, value); }
XElement* XElement::GetElement(const char16_t* name) const {
  return static_cast<XElement*>(obsapi_element_get_element(this, name));
}
XElement* XElement::CreateElement(const char16_t* name) {
  return static_cast<XElement*>(obsapi_element_create_element(this, name));
}

// --- the allocator, graphics, locale -------------------------------------------
namespace {
Alloc* HostAllocator() { return static_cast<Alloc*>(obsapi_main_allocator()); }
GraphicsSystem* HostGraphics() { return static_cast<GraphicsSystem*>(obsapi_graphics()); }
LocaleStringLookup* HostLocale() { return static_cast<LocaleStringLookup*>(obsapi_locale()); }
}  // namespace

extern const HostGlobal<Alloc> MainAllocator{&HostAllocator};
extern const HostGlobal<GraphicsSystem> GS{&HostGraphics};
extern const HostGlobal<LocaleStringLookup> locale{&HostLocale};

void* Alloc::AllocateBlock(std::size_t size) { return obsapi_allocate(this, size); }
void Alloc::FreeBlock(void* block) { obsapi_free(this, block); }

void GraphicsSystem::DrawSprite(Texture* texture, uint32_t color, float x1, float y1, float x2, float y2) {
  obsapi_draw_sprite(this, texture, color, x1, y1, x2, y2);
}
Texture* GraphicsSystem::MakeTexture(unsigned width, unsigned height, int color_format, const void* pixels,
                                     bool build_mipmaps, bool is_static) {
  return static_cast<Texture*>(
      obsapi_create_texture(this, width, height, color_format, pixels, build_mipmaps, is_static));
}
void Texture::UploadPixels(const void* pixels, int image_format, unsigned pitch) {
  obsapi_texture_set_image(this, pixels, image_format, pitch);
}
unsigned Texture::Width() const { return obsapi_texture_width(this); }
unsigned Texture::Height() const { return obsapi_texture_height(this); }
void Texture::operator delete(Texture* texture, std::destroying_delete_t) { obsapi_texture_delete(texture); }

const char16_t* LocaleStringLookup::LookupString(const char16_t* key) { return obsapi_lookup_string(this, key); }

// --- messages, log, colour control ------------------------------------------------
int OBSMessageBox(void* owner, const char16_t* text, const char16_t* caption, unsigned flags) {
  return obsapi_message_box(owner, text, caption, flags);
}
HostLogFunction HostLog() { return obsapi_log(); }
HostLogFunction HostAppWarning() { return obsapi_app_warning(); }
void InitColorControl(void* module_instance) { obsapi_init_color_control(module_instance); }
