#pragma once

// The points of a GDI+ path, as libgdiplus reports them.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "module/platform/common/gdiplus_flat.h"
#include "module/platform/gdiplus.h"

namespace gdiplus {

// GDI+ point types.
constexpr uint8_t kPathTypeMask = 0x07;
constexpr uint8_t kPathTypeStart = 0;
constexpr uint8_t kPathTypeLine = 1;
constexpr uint8_t kPathTypeBezier = 3;
constexpr uint8_t kPathCloseFigure = 0x80;

struct PathFigures {
  std::vector<GpPointF> points;
  std::vector<uint8_t> types;  // start, line, Bézier; kPathCloseFigure closes a figure
};

// Calls visit(first, end) for each figure, the points [first, end);
// InvalidParameter when a figure does not begin with a start point.
template <typename Visit>
Status ForEachFigure(const PathFigures& figures, Visit visit) {
  const std::size_t count = figures.types.size();
  std::size_t first = 0;
  while (first < count) {
    if ((figures.types[first] & kPathTypeMask) != kPathTypeStart) return InvalidParameter;
    std::size_t end = first + 1;
    while (end < count && (figures.types[end] & kPathTypeMask) != kPathTypeStart) ++end;
    visit(first, end);
    first = end;
  }
  return Ok;
}

}  // namespace gdiplus
