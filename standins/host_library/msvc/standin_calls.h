#pragma once

// The stand-in OBSApi.dll in the host's ABI is two halves that meet here, in
// C: the exports MSVC's ABI names and lays out (obsapi_exports.cpp, compiled
// by clang in MSVC mode) call standin_* to reach the stand-in host's own code
// (host_abi.cpp, MinGW), and that code calls the host-ABI half to drive the
// plug-ins' sources and to lay out its textures. Only plain C types cross.
// A `string` is a String's storage, whose layout (buffer, length) both sides
// share; `result` is storage that the call constructs a String in.

// The host's settings element on the host-ABI side, the plug-in's (the
// stand-in's SettingsElement) on the other: the same object.
class XElement;

extern "C" {

// --- String and the text helpers ------------------------------------------------
void standin_string_init(void* string);
void standin_string_from_text(void* string, const char16_t* text);
void standin_string_from_utf8(void* string, const char* utf8);
void standin_string_copy(void* string, const void* other);
void standin_string_destroy(void* string);
void standin_string_assign(void* string, const void* other);
void standin_string_assign_text(void* string, const char16_t* text);
void standin_string_append(void* string, const void* other);
void standin_string_append_text(void* string, const char16_t* text);
void standin_string_append_int(void* string, int value);
void standin_string_append_unsigned(void* string, unsigned value);
int standin_string_compare(const void* string, const char16_t* text, bool ignore_case);
void standin_string_get_token(const void* string, int index, char16_t separator, void* result);
const char16_t* standin_string_get_token_offset(const void* string, int index, char16_t separator);
void standin_string_left(const void* string, unsigned count, void* result);
void standin_string_find_replace(void* string, const char16_t* find, const char16_t* replacement);
unsigned standin_slen(const char16_t* text);
void standin_scpy_n(char16_t* destination, const char16_t* source, unsigned max_chars);
char16_t* standin_sfix(char16_t* text);
int standin_valid_int_string(const char16_t* text);
int standin_text_to_int(const char16_t* text, char16_t** end, int base);

// --- XElement: every element is the stand-in's SettingsElement -----------------
const char16_t* standin_element_get_string(const void* element, const char16_t* name, const char16_t* def);
int standin_element_get_int(const void* element, const char16_t* name, int def);
float standin_element_get_float(const void* element, const char16_t* name, float def);
void standin_element_set_string(void* element, const char16_t* name, const char16_t* value);
void standin_element_set_int(void* element, const char16_t* name, int value);
void standin_element_set_float(void* element, const char16_t* name, float value);
void* standin_element_get_element(const void* element, const char16_t* name);
void* standin_element_create_element(void* element, const char16_t* name);

// --- the allocator, graphics and locale --------------------------------------------
void* standin_allocate(__SIZE_TYPE__ size);
void standin_free(void* block);
// Textures are the stand-in's MemoryTexture, which starts with the pointer
// standin_texture_vtable gives: the host-ABI texture's slots.
void* standin_create_texture(unsigned width, unsigned height, int color_format, const void* pixels, bool build_mipmaps,
                             bool is_static);
void standin_draw_sprite(void* texture, unsigned color, float x1, float y1, float x2, float y2);
void standin_texture_set_image(void* texture, const void* pixels, int image_format, unsigned pitch);
unsigned standin_texture_width(const void* texture);
unsigned standin_texture_height(const void* texture);
void standin_texture_delete(void* texture);
const void* standin_texture_vtable();
// Sets the host's GS: the stand-in's graphics system while `output`, else null.
void standin_set_output(bool output);
const char16_t* standin_lookup_string(const char16_t* key);

// --- messages, log, colour control ---------------------------------------------------
int standin_message_box(void* owner, const char16_t* text, const char16_t* caption, unsigned flags);
void standin_log(bool warning, const char16_t* format, __builtin_va_list arguments);
void standin_init_color_control(void* module_instance);

// --- source classes and their sources, as the host calls them ------------------------
// The host's callback types, __stdcall as the host calls them.
typedef void*(__stdcall* StandinCreateProc)(XElement* data);
typedef bool(__stdcall* StandinConfigProc)(XElement* element, bool creating);
// Records a class; the stand-in calls the callbacks through these types.
void standin_register_class(const char16_t* class_name, const char16_t* display_name, StandinCreateProc create,
                            StandinConfigProc configure);
void standin_source_delete(void* source);
void standin_source_preprocess(void* source);
void standin_source_tick(void* source, float seconds);
void standin_source_render(void* source, float x, float y, float width, float height);
void standin_source_get_size(const void* source, float* width, float* height);
void standin_source_update_settings(void* source);
void standin_source_begin_scene(void* source);
void standin_source_end_scene(void* source);

}  // extern "C"
