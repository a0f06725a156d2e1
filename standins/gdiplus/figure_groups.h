#pragma once

// The figures of a path in groups that are filled and stroked on their own:
// a group holds every figure whose bounds meet, directly or through other
// figures, so that a glyph's holes stay with its outline in whatever order
// the figures come.

#include <cstddef>
#include <vector>

#include "standins/gdiplus/path_figures.h"

namespace gdiplus {

struct FigureBounds {
  float left, top, right, bottom;
};

// One figure: the points [first, end) of the path.
struct FigureSpan {
  std::size_t first, end;
};

struct FigureGroup {
  std::vector<FigureSpan> figures;  // in path order
  FigureBounds bounds;
};

// The groups, ordered by their first figure; InvalidParameter when a figure
// does not begin with a start point.
Status GroupFigures(const PathFigures& figures, std::vector<FigureGroup>* groups);

}  // namespace gdiplus
