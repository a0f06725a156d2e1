#pragma once

// Source-over compositing of a solid colour through a coverage value onto a
// straight-alpha ARGB pixel, in integers with rounding. Where the result is
// opaque, or the pixel below was transparent, the colour comes out exactly;
// elsewhere each channel is within one step of the exact value.

#include <cstdint>

namespace gdiplus {

// Weights in 255ths of 255ths: the colour's and what shows of the pixel,
// which add up to `total`.
inline uint32_t Blend(uint32_t below, uint32_t color, unsigned alpha, unsigned total) {
  const unsigned shown = (below >> 24) * (255 - alpha);
  uint32_t result = ((total + 127) / 255) << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned mixed = ((color >> shift) & 0xFF) * alpha * 255 + ((below >> shift) & 0xFF) * shown;
    result |= ((mixed + total / 2) / total) << shift;
  }
  return result;
}

inline uint32_t CompositeOver(uint32_t below, uint32_t color, unsigned coverage) {
  const unsigned alpha = ((color >> 24) * coverage + 127) / 255;
  // Over a transparent pixel the blend below gives the colour itself: the
  // common case of text and backgrounds on a cleared bitmap, without its
  // divisions, and chosen without a branch on the coverage, which glyph
  // edges make unpredictable.
  if ((below >> 24) == 0) return alpha != 0 ? alpha << 24 | (color & 0x00FFFFFFu) : below;
  if (alpha == 0) return below;
  if (alpha == 255) return color | 0xFF000000u;
  // Over an opaque pixel (the fill over its outline) the total weight is
  // 255 * 255 whatever the alpha: the same blend with a constant divisor,
  // which the compiler turns into multiplications.
  if ((below >> 24) == 255) return Blend(below, color, alpha, 255 * 255);
  return Blend(below, color, alpha, alpha * 255 + (below >> 24) * (255 - alpha));
}

}  // namespace gdiplus
