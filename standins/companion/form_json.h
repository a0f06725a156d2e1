#pragma once

// What the settings form shows: every field with its bounds and the room's
// current value.

#include <string>

#include "standins/companion/room_settings.h"

namespace companion {

// {"fields":[{"key":..,"kind":"text"|"integer"|"colour","min":..,"max":..,
// "value":..}, ...]} in the settings line's order; colours as "#rrggbb".
std::string FormJson(const RoomSettings& settings);

}  // namespace companion
