#pragma once

// The source's reads of the line's settings from its element, with the
// source's own defaults from the settings table. The key is looked up while
// compiling: a key the table lacks, or one the table does not give the source
// in that type, fails the build.

#include <string_view>

#include "module/bridge/line_settings.h"
#include "module/host_api/xelement.h"

template <typename Value>
struct DrawingSetting {
  const char16_t* key;
  Value fallback;
};

// The source's default for `key`, which it reads as `read`.
consteval const SettingDefault& SourceDefault(std::string_view key, SettingDefault::Read read) {
  const SettingDefault& fallback = LineSettingNamed(key).source;
  if (fallback.read != read) NoSuchEntryInTheLineSettingsTable();
  return fallback;
}

consteval DrawingSetting<int> IntSetting(std::string_view key) {
  return {LineSettingNamed(key).element_key, SourceDefault(key, SettingDefault::Read::kAsInteger).number};
}

consteval DrawingSetting<float> FloatSetting(std::string_view key) {
  return {LineSettingNamed(key).element_key, SourceDefault(key, SettingDefault::Read::kAsFloat).real};
}

consteval DrawingSetting<const char16_t*> TextSetting(std::string_view key) {
  return {LineSettingNamed(key).element_key, SourceDefault(key, SettingDefault::Read::kAsText).text};
}

inline int Read(const XElement* element, DrawingSetting<int> setting) {
  return element->GetInt(setting.key, setting.fallback);
}

inline float Read(const XElement* element, DrawingSetting<float> setting) {
  return element->GetFloat(setting.key, setting.fallback);
}

inline const char16_t* Read(const XElement* element, DrawingSetting<const char16_t*> setting) {
  return element->GetString(setting.key, setting.fallback);
}
