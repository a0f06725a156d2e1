#pragma once

// The settings of a source that the "Set:" line carries to the companion, in
// line order, after the window number: the one table of them that the line,
// the companion's settings and form, and the source's reads follow.
//
// Each setting has two defaults on purpose. The companion's is its starting
// value for a source never configured, and what the line sends for a key the
// element lacks. The source's is what it draws with for a key the element
// lacks; it never reads the companion's own settings (kNotRead).

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

// What a setting holds. Colours are ARGB integers on the line.
enum class SettingKind { kText, kInteger, kColour };

// How the companion's form lets a person set it.
enum class FormInput { kTextBox, kNumberBox, kCheckBox, kChoice, kColourPicker };

// What a reader takes for a key the element lacks.
struct SettingDefault {
  enum class Read { kNot, kAsInteger, kAsFloat, kAsText };
  Read read = Read::kNot;
  int32_t number = 0;
  float real = 0;
  const char16_t* text = nullptr;

  constexpr SettingDefault() = default;
  constexpr SettingDefault(int32_t value) : read(Read::kAsInteger), number(value) {}
  // An ARGB colour: its bits as the signed integer the element stores.
  constexpr SettingDefault(uint32_t argb) : read(Read::kAsInteger), number(static_cast<int32_t>(argb)) {}
  constexpr SettingDefault(float value) : read(Read::kAsFloat), real(value) {}
  constexpr SettingDefault(const char16_t* value) : read(Read::kAsText), text(value) {}
};
inline constexpr SettingDefault kNotRead{};

struct LineSetting {
  std::string_view key;
  const char16_t* element_key;  // the same key, as the element looks it up
  SettingKind kind;
  SettingDefault companion;
  SettingDefault source;
  FormInput input;
  int32_t min;  // the form's bounds: integers' values, texts' lengths
  int32_t max;
};

// One row per setting, in line order:
// X(key, kind, companion's default, source's default, form input, min, max).
// The key is an identifier, so that it can also name a member. Fonts keep to
// the 31 characters a Windows face name holds; folders to a classic path's
// length.
// clang-format off
#define QUILLORA_LINE_SETTINGS(X)                                                                                 \
  X(font,              kText,    u"宋体",                                    u"Arial",    kTextBox,      0,   31) \
  X(color,             kColour,  0xFFFF9000u,                                0xFFFFFFFFu, kColourPicker, 0,    0) \
  X(fontSize,          kInteger, 56,                                         48,          kNumberBox,    1,  500) \
  X(textOpacity,       kInteger, 100,                                        100,         kNumberBox,    0,  100) \
  X(backgroundColor,   kColour,  0xFF000000u,                                0xFF000000u, kColourPicker, 0,    0) \
  X(backgroundOpacity, kInteger, 0,                                          0,           kNumberBox,    0,  100) \
  X(RandomColor,       kInteger, 0,                                          0,           kCheckBox,     0,    1) \
  X(RandomModeType,    kInteger, 0,                                          kNotRead,    kChoice,       0,    1) \
  X(bold,              kInteger, 0,                                          0,           kCheckBox,     0,    1) \
  X(italic,            kInteger, 0,                                          0,           kCheckBox,     0,    1) \
  X(underline,         kInteger, 0,                                          0,           kCheckBox,     0,    1) \
  X(outline,           kInteger, 0,                                          0,           kCheckBox,     0,    1) \
  X(outlineOpacity,    kInteger, 100,                                        100,         kNumberBox,    0,  100) \
  X(outlineColor,      kColour,  0xFF808080u,                                0xFF000000u, kColourPicker, 0,    0) \
  X(outlineSize,       kInteger, 2,                                          2.0f,        kNumberBox,    0,   50) \
  X(room_name,         kText,    u"",                                        kNotRead,    kTextBox,      0,  100) \
  X(thanks_string,     kText,    u"感谢$sender$赠送的$num$个$gift$ $combo$", kNotRead,    kTextBox,      0,  200) \
  X(no_thanks_string,  kText,    u"o(∩_∩)o 送礼物上电视啦o(∩_∩)o ",          kNotRead,    kTextBox,      0,  200) \
  X(show_second,       kInteger, 10,                                         kNotRead,    kNumberBox,    0, 3600) \
  X(show_size,         kInteger, 10,                                         kNotRead,    kNumberBox,    0, 1000) \
  X(is_no_thanks,      kInteger, 1,                                          kNotRead,    kCheckBox,     0,    1) \
  X(is_use_toolbox,    kInteger, 0,                                          kNotRead,    kCheckBox,     0,    1) \
  X(is_save_record,    kInteger, 0,                                          kNotRead,    kCheckBox,     0,    1) \
  X(save_folder,       kText,    u"",                                        kNotRead,    kTextBox,      0,  260) \
  X(gift_limit_mode,   kInteger, 1,                                          kNotRead,    kChoice,       0,    4) \
  X(delay_show_second, kInteger, 5,                                          kNotRead,    kNumberBox,    0,  600)
// clang-format on

#define QUILLORA_LINE_SETTING_ROW(key, kind, companion, source, input, min, max) \
  {#key, u"" #key, SettingKind::kind, companion, source, FormInput::input, min, max},
inline constexpr LineSetting kLineSettings[] = {QUILLORA_LINE_SETTINGS(QUILLORA_LINE_SETTING_ROW)};
#undef QUILLORA_LINE_SETTING_ROW

// Never defined: reaching it makes a lookup fail to compile.
void NoSuchEntryInTheLineSettingsTable();

// The setting called `key`, found while compiling.
consteval const LineSetting& LineSettingNamed(std::string_view key) {
  for (const LineSetting& setting : kLineSettings)
    if (setting.key == key) return setting;
  NoSuchEntryInTheLineSettingsTable();
  return kLineSettings[0];
}

namespace line_settings_checks {

// Texts have text defaults, numbers and colours integer ones; the source may
// read an integer setting as a float.
constexpr bool DefaultFits(const LineSetting& s) {
  const SettingDefault::Read read =
      s.kind == SettingKind::kText ? SettingDefault::Read::kAsText : SettingDefault::Read::kAsInteger;
  const bool source_fits =
      s.source.read == SettingDefault::Read::kNot || s.source.read == read ||
      (read == SettingDefault::Read::kAsInteger && s.source.read == SettingDefault::Read::kAsFloat);
  return s.companion.read == read && source_fits;
}

constexpr bool InputFits(const LineSetting& s) {
  switch (s.input) {
    case FormInput::kTextBox:
      return s.kind == SettingKind::kText && s.min == 0 && s.max > 0;
    case FormInput::kColourPicker:
      return s.kind == SettingKind::kColour && s.min == 0 && s.max == 0;
    case FormInput::kCheckBox:
      return s.kind == SettingKind::kInteger && s.min == 0 && s.max == 1;
    case FormInput::kNumberBox:
    case FormInput::kChoice:
      return s.kind == SettingKind::kInteger && s.min <= s.max;
  }
  return false;
}

static_assert(std::size(kLineSettings) == 26, "the line carries 26 settings after the window number");
static_assert(std::all_of(std::begin(kLineSettings), std::end(kLineSettings), DefaultFits),
              "a default's type differs from its setting's kind");
static_assert(std::all_of(std::begin(kLineSettings), std::end(kLineSettings), InputFits),
              "a form input does not suit its setting's kind or bounds");

}  // namespace line_settings_checks
