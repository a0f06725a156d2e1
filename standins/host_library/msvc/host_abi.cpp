// Where the stand-in host's library is in MSVC's ABI, as the host's own
// (Windows): the stand-in's side of the host-ABI exports
// (obsapi_exports.cpp), and the host's calls of the registered classes and
// their sources through the host's ABI (source_driver.cpp).

#include "standins/host_library/host_abi.h"

#include <algorithm>
#include <new>
#include <string>
#include <string_view>

#include "standins/host_library/msvc/standin_calls.h"
#include "standins/host_library/standin_host.h"
#include "standins/host_library/text_helpers.h"

namespace {

String& StringAt(void* string) { return *static_cast<String*>(string); }
const String& StringAt(const void* string) { return *static_cast<const String*>(string); }
const XElement* ElementAt(const void* element) { return static_cast<const XElement*>(element); }
XElement* ElementAt(void* element) { return static_cast<XElement*>(element); }
standin::MemoryTexture* TextureAt(void* texture) { return static_cast<standin::MemoryTexture*>(texture); }
const standin::MemoryTexture* TextureAt(const void* texture) {
  return static_cast<const standin::MemoryTexture*>(texture);
}

}  // namespace

namespace standin {

// The host holds a source by the pointer the create callback returned and
// calls it through its ImageSource slots.
HostedSource::~HostedSource() { standin_source_delete(source_); }
void HostedSource::Preprocess() { standin_source_preprocess(source_); }
void HostedSource::Tick(float seconds) { standin_source_tick(source_, seconds); }
void HostedSource::Render(const Vect2& position, const Vect2& size) {
  standin_source_render(source_, position.x, position.y, size.x, size.y);
}
Vect2 HostedSource::GetSize() const {
  Vect2 size;
  standin_source_get_size(source_, &size.x, &size.y);
  return size;
}
void HostedSource::UpdateSettings() { standin_source_update_settings(source_); }
void HostedSource::BeginScene() { standin_source_begin_scene(source_); }
void HostedSource::EndScene() { standin_source_end_scene(source_); }

const void* HostTextureSlots() { return standin_texture_vtable(); }
void PublishOutput(bool running) { standin_set_output(running); }

}  // namespace standin

extern "C" {

void standin_string_init(void* string) { new (string) String(); }
void standin_string_from_text(void* string, const char16_t* text) { new (string) String(text); }
void standin_string_from_utf8(void* string, const char* utf8) { new (string) String(utf8); }
void standin_string_copy(void* string, const void* other) { new (string) String(StringAt(other)); }
void standin_string_destroy(void* string) { StringAt(string).~String(); }
void standin_string_assign(void* string, const void* other) { StringAt(string) = StringAt(other); }
void standin_string_assign_text(void* string, const char16_t* text) { StringAt(string) = text; }
void standin_string_append(void* string, const void* other) { StringAt(string) << StringAt(other); }
void standin_string_append_text(void* string, const char16_t* text) { StringAt(string) << text; }
void standin_string_append_int(void* string, int value) { StringAt(string) << value; }
void standin_string_append_unsigned(void* string, unsigned value) {
  StringAt(string) << String(std::to_string(value).c_str());
}
int standin_string_compare(const void* string, const char16_t* text, bool ignore_case) {
  if (!ignore_case) return StringAt(string) == (text ? text : u"");
  const std::u16string_view own(StringAt(string).c_str());
  const std::u16string_view other(text ? text : u"");
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
  return own.size() == other.size() && std::equal(own.begin(), own.end(), other.begin(),
                                                  [&](char16_t a, char16_t b) { return lower(a) == lower(b); });
}
void standin_string_get_token(const void* string, int index, char16_t separator, void* result) {
  new (result) String(StringAt(string).GetToken(index, separator));
}
const char16_t* standin_string_get_token_offset(const void* string, int index, char16_t separator) {
  return StringAt(string).GetTokenOffset(index, separator);
}
void standin_string_left(const void* string, unsigned count, void* result) {
  new (result) String(StringAt(string).Left(count));
}
void standin_string_find_replace(void* string, const char16_t* find, const char16_t* replacement) {
  StringAt(string).FindReplace(find, replacement);
}
unsigned standin_slen(const char16_t* text) { return static_cast<unsigned>(slen(text)); }
void standin_scpy_n(char16_t* destination, const char16_t* source, unsigned max_chars) {
  scpy_n(destination, source, max_chars);
}
char16_t* standin_sfix(char16_t* text) { return standin::TrimSpaces(text); }
int standin_valid_int_string(const char16_t* text) { return standin::IsDecimalIntegerText(text); }
int standin_text_to_int(const char16_t* text, char16_t** end, int base) { return standin::TextToInt(text, end, base); }

const char16_t* standin_element_get_string(const void* element, const char16_t* name, const char16_t* def) {
  return ElementAt(element)->GetString(name, def);
}
int standin_element_get_int(const void* element, const char16_t* name, int def) {
  return ElementAt(element)->GetInt(name, def);
}
float standin_element_get_float(const void* element, const char16_t* name, float def) {
  return ElementAt(element)->GetFloat(name, def);
}
void standin_element_set_string(void* element, const char16_t* name, const char16_t* value) {
  ElementAt(element)->SetString(name, value);
}
void standin_element_set_int(void* element, const char16_t* name, int value) {
  ElementAt(element)->SetInt(name, value);
}
void standin_element_set_float(void* element, const char16_t* name, float value) {
  ElementAt(element)->SetFloat(name, value);
}
void* standin_element_get_element(const void* element, const char16_t* name) {
  return ElementAt(element)->GetElement(name);
}
void* standin_element_create_element(void* element, const char16_t* name) {
  return ElementAt(element)->CreateElement(name);
}

void* standin_allocate(std::size_t size) { return MainAllocator->AllocateBlock(size); }
void standin_free(void* block) { MainAllocator->FreeBlock(block); }
void* standin_create_texture(unsigned width, unsigned height, int color_format, const void* pixels, bool build_mipmaps,
                             bool is_static) {
  return standin::HostGraphics().Make(width, height, color_format, pixels, build_mipmaps, is_static);
}
void standin_draw_sprite(void* texture, unsigned color, float x1, float y1, float x2, float y2) {
  standin::HostGraphics().Draw(static_cast<Texture*>(texture), color, x1, y1, x2, y2);
}
void standin_texture_set_image(void* texture, const void* pixels, int image_format, unsigned pitch) {
  TextureAt(texture)->Upload(pixels, image_format, pitch);
}
unsigned standin_texture_width(const void* texture) { return TextureAt(texture)->Width(); }
unsigned standin_texture_height(const void* texture) { return TextureAt(texture)->Height(); }
void standin_texture_delete(void* texture) { delete TextureAt(texture); }
const char16_t* standin_lookup_string(const char16_t* key) { return locale->LookupString(key); }

int standin_message_box(void* owner, const char16_t* text, const char16_t* caption, unsigned flags) {
  return OBSMessageBox(owner, text, caption, flags);
}
void standin_log(bool warning, const char16_t* format, va_list arguments) {
  standin::WriteLogLine(warning ? standin::LogKind::Warning : standin::LogKind::Log, format, arguments);
}
void standin_init_color_control(void* module_instance) { InitColorControl(module_instance); }

void standin_register_class(const char16_t* class_name, const char16_t* display_name, StandinCreateProc create,
                            StandinConfigProc configure) {
  standin::AddRegisteredClass(
      {class_name ? class_name : u"", display_name ? display_name : u"",
       std::make_shared<standin::CallbackClass<StandinCreateProc, StandinConfigProc>>(create, configure)});
}

}  // extern "C"
