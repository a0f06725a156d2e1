#pragma once

#include <cstdint>

#include "module/platform/gdiplus.h"

struct TextureExtent {
  int32_t width;
  int32_t height;
};

// The texture size for a layout box: at least `font_size` high (the box's
// Height is raised to it too, for drawing), otherwise the box truncated
// after adding the single-precision 0.0001, then each side made even and
// kept within 32 ... 8192, in that order.
TextureExtent ApplySizeRule(int32_t font_size, gdiplus::RectF* box);
