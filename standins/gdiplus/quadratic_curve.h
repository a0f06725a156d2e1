#pragma once

// Quadratic curves inside cubic ones. Paths keep only cubic Béziers, so a
// TrueType glyph's quadratic curves arrive raised to cubic; a quadratic curve
// flattens into fewer, smaller pieces, so they go back to the rasteriser as
// quadratics.

#include <cmath>

#include "module/platform/common/gdiplus_flat.h"

namespace gdiplus {

// How far apart, in pixels, the two estimates of the control point may lie:
// a small fraction of a 1/64 pixel.
constexpr float kQuadraticSlack = 1.0f / 256;

// Whether the cubic from `start` to `end` is a quadratic curve raised to
// cubic; if so, `control` is the quadratic's one control point.
inline bool QuadraticControl(const GpPointF& start, const GpPointF& control1, const GpPointF& control2,
                             const GpPointF& end, GpPointF* control) {
  const GpPointF from_start{(3 * control1.X - start.X) / 2, (3 * control1.Y - start.Y) / 2};
  const GpPointF from_end{(3 * control2.X - end.X) / 2, (3 * control2.Y - end.Y) / 2};
  if (std::fabs(from_start.X - from_end.X) > kQuadraticSlack || std::fabs(from_start.Y - from_end.Y) > kQuadraticSlack)
    return false;
  *control = {(from_start.X + from_end.X) / 2, (from_start.Y + from_end.Y) / 2};
  return true;
}

}  // namespace gdiplus
