#pragma once

// One window's settings, as the plug-in's "Set:" line carries them, with the
// values a window starts from before its first line.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace companion {

struct RoomSettings {
  std::u16string font = u"宋体";
  int32_t color = static_cast<int32_t>(0xFFFF9000u);
  int32_t fontSize = 56;
  int32_t textOpacity = 100;
  int32_t backgroundColor = static_cast<int32_t>(0xFF000000u);
  int32_t backgroundOpacity = 0;
  int32_t RandomColor = 0;
  int32_t RandomModeType = 0;
  int32_t bold = 0;
  int32_t italic = 0;
  int32_t underline = 0;
  int32_t outline = 0;
  int32_t outlineOpacity = 100;
  int32_t outlineColor = static_cast<int32_t>(0xFF808080u);
  int32_t outlineSize = 2;
  std::u16string room_name;
  std::u16string thanks_string = u"感谢$sender$赠送的$num$个$gift$ $combo$";
  std::u16string no_thanks_string = u"o(∩_∩)o 送礼物上电视啦o(∩_∩)o ";
  int32_t show_second = 10;
  int32_t show_size = 10;
  int32_t is_no_thanks = 1;
  int32_t is_use_toolbox = 0;
  int32_t is_save_record = 0;
  std::u16string save_folder;
  int32_t gift_limit_mode = 1;
  int32_t delay_show_second = 5;
};

// One value of the line after the window number: an integer or a text member.
struct SettingField {
  std::string_view key;
  int32_t RoomSettings::*number;
  std::u16string RoomSettings::*text;
};

// The 26 values in line order.
std::span<const SettingField> SettingFields();

// Stores the value of `key` as the line carries it (integers in decimal) in
// *out; false for an unknown key.
bool SettingText(const RoomSettings& settings, std::string_view key, std::u16string* out);

}  // namespace companion
