#pragma once

// One window's settings, as the plug-in's "Set:" line carries them, with the
// values a window starts from before its first line.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "module/bridge/line_settings.h"

namespace companion {

// A setting's value here: a text, or a 32-bit integer for numbers and colours.
template <SettingKind kind>
using RoomValue = std::conditional_t<kind == SettingKind::kText, std::u16string, int32_t>;

// A member per setting, named by its key.
struct RoomSettings {
  RoomSettings();  // the companion's defaults
#define QUILLORA_ROOM_MEMBER(key, kind, ...) RoomValue<SettingKind::kind> key;
  QUILLORA_LINE_SETTINGS(QUILLORA_ROOM_MEMBER)
#undef QUILLORA_ROOM_MEMBER
};

// One value of the line after the window number: an integer or a text member.
struct SettingField {
  int32_t RoomSettings::*number;
  std::u16string RoomSettings::*text;
};

// The 26 members in line order: the member of kLineSettings[i] is
// SettingFields()[i].
std::span<const SettingField> SettingFields();

// Stores the value of `key` as the line carries it (integers in decimal) in
// *out; false for an unknown key.
bool SettingText(const RoomSettings& settings, std::string_view key, std::u16string* out);

}  // namespace companion
