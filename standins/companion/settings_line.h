#pragma once

// Reading of the "Set:" line: the window number and the 26 settings, split
// at "{|}".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "standins/companion/room_settings.h"

namespace companion {

inline constexpr std::u16string_view kSettingsSeparator = u"{|}";

struct SettingsLine {
  // Present whenever the first value is a window number, so that a bad
  // line can still be reported to its window.
  std::optional<int32_t> window;
  // Present only for a well-formed line.
  std::optional<RoomSettings> settings;
  // Why the line was rejected.
  std::u16string error;
};

// `line` is the text after "Set:". A line with other than 27 values (a text
// value that itself holds "{|}" makes more) or with a value that is not a
// 32-bit integer where one is expected is rejected whole.
SettingsLine ParseSettingsLine(std::u16string_view line);

}  // namespace companion
