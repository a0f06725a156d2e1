#pragma once

// The settings form's fields: what each of the 26 settings may hold, the
// values a submitted form carries, and the window messages that carry the
// changed ones to the plug-in.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "standins/companion/room_settings.h"

namespace companion {

// The fields: every setting of the line, in its order (kLineSettings).
std::span<const LineSetting> FormFields();

// A submitted form: each key's values, as UTF-8 text.
using FormParams = std::multimap<std::string, std::string>;

struct FormError {
  std::string key;  // the field at fault; empty for the form as a whole
  std::string reason;
};

// The settings a submitted form asks for, over `current`: every field once,
// integers as decimals, colours as "#rrggbb", texts without "{|}" (the
// settings line's separator) or null characters. A value that differs from
// `current` must also keep to its field's bounds, and a text that was set
// cannot be emptied (the plug-in ignores an empty value). Colours come back
// opaque. Sets *error and gives nothing for a form that breaks a rule.
std::optional<RoomSettings> ReadForm(const RoomSettings& current, const FormParams& params, FormError* error);

// A WM_COPYDATA message for the plug-in: code 101 (integer), 102 (text) or
// 103 (colour, its 24 colour bits in decimal), payload "key|value".
struct SettingMessage {
  uint32_t code;
  std::u16string payload;
};

// The messages that carry what differs between `before` and `after`, in the
// settings line's order. Colours differ only in their colour bits.
std::vector<SettingMessage> ChangedSettings(const RoomSettings& before, const RoomSettings& after);

}  // namespace companion
