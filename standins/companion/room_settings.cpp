#include "standins/companion/room_settings.h"

#include <iterator>

#include "standins/companion/text_utf.h"

namespace companion {

namespace {

using S = RoomSettings;

constexpr SettingField Member(int32_t S::*number) { return {number, nullptr}; }
constexpr SettingField Member(std::u16string S::*text) { return {nullptr, text}; }

#define QUILLORA_ROOM_FIELD(key, ...) Member(&S::key),
constexpr SettingField kFields[] = {QUILLORA_LINE_SETTINGS(QUILLORA_ROOM_FIELD)};
#undef QUILLORA_ROOM_FIELD

}  // namespace

RoomSettings::RoomSettings() {
  for (std::size_t i = 0; i < std::size(kFields); ++i) {
    const SettingDefault& start = kLineSettings[i].companion;
    if (kFields[i].text)
      this->*kFields[i].text = start.text;
    else
      this->*kFields[i].number = start.number;
  }
}

std::span<const SettingField> SettingFields() { return kFields; }

bool SettingText(const RoomSettings& settings, std::string_view key, std::u16string* out) {
  for (std::size_t i = 0; i < std::size(kFields); ++i) {
    if (kLineSettings[i].key != key) continue;
    *out = kFields[i].text ? settings.*kFields[i].text : Ascii(std::to_string(settings.*kFields[i].number));
    return true;
  }
  return false;
}

}  // namespace companion
