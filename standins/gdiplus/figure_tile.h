#pragma once

// A group of figures filled or stroked on a tile of its own, placed on
// whole pixels, and kept in the path tile cache (coverage_cache.h). The
// tile's key is what decides its pixels: the figures' points relative to
// the tile's whole-pixel origin (so their sub-pixel offset too), their
// types, and the fill rule or the pen's width and joins. This layer draws
// without world transforms, so points are pixels.

#include <memory>

#include "standins/gdiplus/coverage_mask.h"
#include "standins/gdiplus/figure_groups.h"

namespace gdiplus {

struct Rasterisation {
  bool stroke;
  bool even_odd;    // fills
  float width;      // strokes
  int line_join;    // strokes
  float reach;      // how far past the points the pixels may reach
};

struct PlacedTile {
  std::shared_ptr<const CoverageMask> tile;
  int x, y;  // where the tile's (0, 0) lies
};

// The group's tile, from the cache or rasterised now; a null tile when the
// group is too large or too far off for one.
Status GroupTile(const PathFigures& figures, const FigureGroup& group, const Rasterisation& how, PlacedTile* placed);

}  // namespace gdiplus
