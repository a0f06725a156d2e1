#pragma once

#include <cstdint>

#include "module/platform/win32.h"

// The LOGFONTW of a text font: `height` in pixels (a positive one is the
// cell height), weight 700 when bold and 0 otherwise, antialiased quality,
// `face` cut to its first 31 characters; every other field 0.
win::LOGFONTW DescribeTextFont(const char16_t* face, int32_t height, bool bold, bool italic, bool underline);
