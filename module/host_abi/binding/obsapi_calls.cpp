// The MinGW half's way into the host's library: each obsapi_* call is one
// call of the host's own export or slot, compiled in the host's ABI.

#include "module/host_abi/binding/host_calls.h"
#include "module/host_abi/obsapi.h"
#include "module/host_abi/placement_new.h"

namespace {

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
wchar_t* Wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
const char16_t* Utf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

String& StringAt(void* string) { return *static_cast<String*>(string); }
const String& StringAt(const void* string) { return *static_cast<const String*>(string); }
const XElement& ElementAt(const void* element) { return *static_cast<const XElement*>(element); }
XElement& ElementAt(void* element) { return *static_cast<XElement*>(element); }

}  // namespace

extern "C" {

void obsapi_string_init(void* string) { new (string) String(); }
void obsapi_string_from_text(void* string, const char16_t* text) { new (string) String(Wide(text)); }
void obsapi_string_from_utf8(void* string, const char* utf8) { new (string) String(utf8); }
void obsapi_string_copy(void* string, const void* other) { new (string) String(StringAt(other)); }
void obsapi_string_destroy(void* string) { StringAt(string).~String(); }
void obsapi_string_assign(void* string, const void* other) { StringAt(string) = StringAt(other); }
void obsapi_string_assign_text(void* string, const char16_t* text) { StringAt(string) = Wide(text); }
void obsapi_string_append(void* string, const void* other) { StringAt(string) << StringAt(other); }
void obsapi_string_append_text(void* string, const char16_t* text) { StringAt(string) << Wide(text); }
void obsapi_string_append_int(void* string, int value) { StringAt(string) << value; }
void obsapi_string_plus(const void* string, const void* other, void* result) {
  new (result) String(StringAt(string) + StringAt(other));
}
void obsapi_string_plus_text(const void* string, const char16_t* text, void* result) {
  new (result) String(StringAt(string) + Wide(text));
}
int obsapi_string_compare(const void* string, const char16_t* text) { return StringAt(string).Compare(Wide(text)); }
void obsapi_string_get_token(const void* string, int index, char16_t separator, void* result) {
  new (result) String(StringAt(string).GetToken(index, static_cast<wchar_t>(separator)));
}
const char16_t* obsapi_string_get_token_offset(const void* string, int index, char16_t separator) {
  return Utf16(StringAt(string).GetTokenOffset(index, static_cast<wchar_t>(separator)));
}
void obsapi_string_left(void* string, unsigned count, void* result) {
  new (result) String(StringAt(string).Left(count));
}
void obsapi_string_find_replace(void* string, const char16_t* find, const char16_t* replacement) {
  StringAt(string).FindReplace(Wide(find), Wide(replacement));
}
void obsapi_string_kill_spaces(void* string) { StringAt(string).KillSpaces(); }
int obsapi_string_to_int(const void* string, int base) { return StringAt(string).ToInt(base); }
unsigned obsapi_slen(const char16_t* text) { return slen(Wide(text)); }
void obsapi_scpy_n(char16_t* destination, const char16_t* source, unsigned max_chars) {
  scpy_n(Wide(destination), Wide(source), max_chars);
}

const char16_t* obsapi_element_get_string(const void* element, const char16_t* name, const char16_t* def) {
  // The host's default is a wchar_t*; it hands it back, never writes it.
  return Utf16(ElementAt(element).GetString(Wide(name), const_cast<wchar_t*>(Wide(def))));
}
int obsapi_element_get_int(const void* element, const char16_t* name, int def) {
  return ElementAt(element).GetInt(Wide(name), def);
}
float obsapi_element_get_float(const void* element, const char16_t* name, float def) {
  return ElementAt(element).GetFloat(Wide(name), def);
}
void obsapi_element_set_string(void* element, const char16_t* name, const char16_t* value) {
  ElementAt(element).SetString(Wide(name), Wide(value));
}
void obsapi_element_set_int(void* element, const char16_t* name, int value) {
  ElementAt(element).SetInt(Wide(name), value);
}
void obsapi_element_set_float(void* element, const char16_t* name, float value) {
  ElementAt(element).SetFloat(Wide(name), value);
}
void* obsapi_element_get_element(const void* element, const char16_t* name) {
  return ElementAt(element).GetElement(Wide(name));
}
void* obsapi_element_create_element(void* element, const char16_t* name) {
  return ElementAt(element).CreateElement(Wide(name));
}

void* obsapi_main_allocator() { return MainAllocator; }
void* obsapi_allocate(void* allocator, size_t size) { return static_cast<Alloc*>(allocator)->_Allocate(size); }
void obsapi_free(void* allocator, void* block) { static_cast<Alloc*>(allocator)->_Free(block); }
void* obsapi_graphics() { return GS; }
void obsapi_draw_sprite(void* graphics, void* texture, unsigned color, float x1, float y1, float x2, float y2) {
  static_cast<GraphicsSystem*>(graphics)->DrawSprite(static_cast<Texture*>(texture), color, x1, y1, x2, y2);
}
void* obsapi_create_texture(void* graphics, unsigned width, unsigned height, int color_format, const void* pixels,
                            bool build_mipmaps, bool is_static) {
  // The host reads the first pixels and never writes them.
  return static_cast<GraphicsSystem*>(graphics)->CreateTexture(width, height, static_cast<GSColorFormat>(color_format),
                                                               const_cast<void*>(pixels), build_mipmaps, is_static);
}
void obsapi_texture_set_image(void* texture, const void* pixels, int image_format, unsigned pitch) {
  static_cast<Texture*>(texture)->SetImage(const_cast<void*>(pixels), static_cast<GSImageFormat>(image_format), pitch);
}
unsigned obsapi_texture_width(const void* texture) { return static_cast<const Texture*>(texture)->Width(); }
unsigned obsapi_texture_height(const void* texture) { return static_cast<const Texture*>(texture)->Height(); }
// The host's deleting destructor, slot 0: the texture goes back to its maker.
void obsapi_texture_delete(void* texture) { delete static_cast<Texture*>(texture); }
void* obsapi_locale() { return locale; }
const char16_t* obsapi_lookup_string(void* table, const char16_t* key) {
  return Utf16(static_cast<LocaleStringLookup*>(table)->LookupString(Wide(key)));
}

int obsapi_message_box(void* owner, const char16_t* text, const char16_t* caption, unsigned flags) {
  return OBSMessageBox(static_cast<HWND>(owner), Wide(text), Wide(caption), flags);
}
// The host's variadic functions themselves: the caller's arguments reach them
// as the caller passed them.
ObsapiLogFunction obsapi_log() { return reinterpret_cast<ObsapiLogFunction>(&Log); }
ObsapiLogFunction obsapi_app_warning() { return reinterpret_cast<ObsapiLogFunction>(&AppWarning); }
void obsapi_init_color_control(void* module_instance) { InitColorControl(static_cast<HINSTANCE>(module_instance)); }

}  // extern "C"
