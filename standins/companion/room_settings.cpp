#include "standins/companion/room_settings.h"

#include <iterator>

#include "standins/companion/text_utf.h"

namespace companion {

namespace {

using S = RoomSettings;

constexpr SettingField Member(std::string_view key, int32_t S::*number) { return {key, number, nullptr}; }
constexpr SettingField Member(std::string_view key, std::u16string S::*text) { return {key, nullptr, text}; }

#define QUILLORA_ROOM_FIELD(key, ...) Member(#key, &S::key),
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
  for (const SettingField& field : kFields) {
    if (field.key != key) continue;
    *out = field.text ? settings.*field.text : Ascii(std::to_string(settings.*field.number));
    return true;
  }
  return false;
}

}  // namespace companion
