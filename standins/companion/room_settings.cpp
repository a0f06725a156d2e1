#include "standins/companion/room_settings.h"

#include <array>

#include "standins/companion/text_utf.h"

namespace companion {

namespace {

using S = RoomSettings;

constexpr std::array<SettingField, 26> kFields{{
    {"font", nullptr, &S::font},
    {"color", &S::color, nullptr},
    {"fontSize", &S::fontSize, nullptr},
    {"textOpacity", &S::textOpacity, nullptr},
    {"backgroundColor", &S::backgroundColor, nullptr},
    {"backgroundOpacity", &S::backgroundOpacity, nullptr},
    {"RandomColor", &S::RandomColor, nullptr},
    {"RandomModeType", &S::RandomModeType, nullptr},
    {"bold", &S::bold, nullptr},
    {"italic", &S::italic, nullptr},
    {"underline", &S::underline, nullptr},
    {"outline", &S::outline, nullptr},
    {"outlineOpacity", &S::outlineOpacity, nullptr},
    {"outlineColor", &S::outlineColor, nullptr},
    {"outlineSize", &S::outlineSize, nullptr},
    {"room_name", nullptr, &S::room_name},
    {"thanks_string", nullptr, &S::thanks_string},
    {"no_thanks_string", nullptr, &S::no_thanks_string},
    {"show_second", &S::show_second, nullptr},
    {"show_size", &S::show_size, nullptr},
    {"is_no_thanks", &S::is_no_thanks, nullptr},
    {"is_use_toolbox", &S::is_use_toolbox, nullptr},
    {"is_save_record", &S::is_save_record, nullptr},
    {"save_folder", nullptr, &S::save_folder},
    {"gift_limit_mode", &S::gift_limit_mode, nullptr},
    {"delay_show_second", &S::delay_show_second, nullptr},
}};

}  // namespace

std::span<const SettingField> SettingFields() { return kFields; }

bool SettingText(const RoomSettings& settings, std::string_view key, std::u16string* out) {
  for (const SettingField& field : kFields) {
    if (field.key != key) continue;
    *out = field.text ? settings.*field.text : Ascii(std::to_string(settings.*field.number));
    return true;
  }
  return false;
}

}  // namespace companion
