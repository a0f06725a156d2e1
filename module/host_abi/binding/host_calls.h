#pragma once

// The two halves of the module's binding to the host's library meet here, in
// C: the MinGW half (host_api.cpp, the host API the plug-in is written
// against) calls obsapi_* to reach the host, and the clang half
// (obsapi_calls.cpp, image_source_adapter.cpp; MSVC's ABI) calls module_* to
// reach the plug-in. Only plain C types cross: pointers, numbers, bool.
// Text is UTF-16 (wchar_t on the host's side, char16_t on the plug-in's: the
// same bits). A `string` is a String's storage, whose layout (buffer,
// length) both sides share; `result` is uninitialised storage that the call
// constructs a String in.

extern "C" {

// --- the host's String and its text helpers --------------------------------
void obsapi_string_init(void* string);
void obsapi_string_from_text(void* string, const char16_t* text);
void obsapi_string_from_utf8(void* string, const char* utf8);
void obsapi_string_copy(void* string, const void* other);
void obsapi_string_destroy(void* string);
void obsapi_string_assign(void* string, const void* other);
void obsapi_string_assign_text(void* string, const char16_t* text);
void obsapi_string_append(void* string, const void* other);
void obsapi_string_append_text(void* string, const char16_t* text);
void obsapi_string_append_int(void* string, int value);
void obsapi_string_plus(const void* string, const void* other, void* result);
void obsapi_string_plus_text(const void* string, const char16_t* text, void* result);
int obsapi_string_compare(const void* string, const char16_t* text);
void obsapi_string_get_token(const void* string, int index, char16_t separator, void* result);
const char16_t* obsapi_string_get_token_offset(const void* string, int index, char16_t separator);
void obsapi_string_left(void* string, unsigned count, void* result);
void obsapi_string_find_replace(void* string, const char16_t* find, const char16_t* replacement);
void obsapi_string_kill_spaces(void* string);
int obsapi_string_to_int(const void* string, int base);
unsigned obsapi_slen(const char16_t* text);
void obsapi_scpy_n(char16_t* destination, const char16_t* source, unsigned max_chars);

// --- XElement ----------------------------------------------------------------
const char16_t* obsapi_element_get_string(const void* element, const char16_t* name, const char16_t* def);
int obsapi_element_get_int(const void* element, const char16_t* name, int def);
float obsapi_element_get_float(const void* element, const char16_t* name, float def);
void obsapi_element_set_string(void* element, const char16_t* name, const char16_t* value);
void obsapi_element_set_int(void* element, const char16_t* name, int value);
void obsapi_element_set_float(void* element, const char16_t* name, float value);
void* obsapi_element_get_element(const void* element, const char16_t* name);
void* obsapi_element_create_element(void* element, const char16_t* name);

// --- the allocator, graphics and locale: the host's globals, read at each call
void* obsapi_main_allocator();
void* obsapi_allocate(void* allocator, __SIZE_TYPE__ size);
void obsapi_free(void* allocator, void* block);
void* obsapi_graphics();
void obsapi_draw_sprite(void* graphics, void* texture, unsigned color, float x1, float y1, float x2, float y2);
void* obsapi_create_texture(void* graphics, unsigned width, unsigned height, int color_format, const void* pixels,
                            bool build_mipmaps, bool is_static);
void obsapi_texture_set_image(void* texture, const void* pixels, int image_format, unsigned pitch);
unsigned obsapi_texture_width(const void* texture);
unsigned obsapi_texture_height(const void* texture);
void obsapi_texture_delete(void* texture);
void* obsapi_locale();
const char16_t* obsapi_lookup_string(void* locale, const char16_t* key);

// --- messages, log, colour control -------------------------------------------
int obsapi_message_box(void* owner, const char16_t* text, const char16_t* caption, unsigned flags);
typedef void(__cdecl* ObsapiLogFunction)(const char16_t* format, ...);
ObsapiLogFunction obsapi_log();
ObsapiLogFunction obsapi_app_warning();
void obsapi_init_color_control(void* module_instance);

// --- source classes ------------------------------------------------------------
// The most source classes one module registers.
enum { kObsapiSourceClasses = 4 };
// Registers class number `index` (below kObsapiSourceClasses) with the
// host's callbacks for it, which call module_create_source and, when
// `configurable`, module_configure_source with that index.
void obsapi_register_source_class(int index, const char16_t* class_name, const char16_t* display_name,
                                  bool configurable);

// --- the plug-in, called by the host's callbacks and the source's slots ------
// None lets an exception out: the host's frames have no unwinding.
// The plug-in's source for `element`, or null.
void* module_create_source(int index, void* element);
bool module_configure_source(int index, void* element, bool creating);
void module_source_delete(void* source);
void module_source_prepare_frame(void* source);
void module_source_advance_clock(void* source, float seconds);
void module_source_draw_at(void* source, float x, float y, float width, float height);
void module_source_query_size(const void* source, float* width, float* height);
void module_source_reload_settings(void* source);
void module_source_activate(void* source);
void module_source_deactivate(void* source);

}  // extern "C"
