#pragma once

// Source-over compositing of a solid colour through a coverage value onto a
// straight-alpha ARGB pixel, in integers with rounding. Where the result is
// opaque, or the pixel below was transparent, the colour comes out exactly;
// elsewhere each channel is within one step of the exact value.

#include <cstdint>

namespace gdiplus {

inline uint32_t CompositeOver(uint32_t below, uint32_t color, unsigned coverage) {
  const unsigned alpha = ((color >> 24) * coverage + 127) / 255;
  // Over a transparent pixel the blend below gives the colour itself: the
  // common case of text and backgrounds on a cleared bitmap, without its
  // divisions, and chosen without a branch on the coverage, which glyph
  // edges make unpredictable.
  if ((below >> 24) == 0) return alpha != 0 ? alpha << 24 | (color & 0x00FFFFFFu) : below;
  if (alpha == 0) return below;
  if (alpha == 255) return color | 0xFF000000u;
  // Weights in 255ths of 255ths: the colour's and what shows of the pixel.
  const unsigned shown = (below >> 24) * (255 - alpha);
  const unsigned total = alpha * 255 + shown;
  uint32_t result = ((total + 127) / 255) << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned mixed = ((color >> shift) & 0xFF) * alpha * 255 + ((below >> shift) & 0xFF) * shown;
    result |= ((mixed + total / 2) / total) << shift;
  }
  return result;
}

}  // namespace gdiplus
