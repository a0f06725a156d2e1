#pragma once

// Coverage of figures drawn into a mask, by a library's anti-aliasing
// rasteriser. Pixel centres are at whole coordinates, as in GDI+. `clip`
// when the figures may reach beyond the mask; a tile made for them holds
// them whole and is drawn faster without.

#include "standins/gdiplus/coverage_mask.h"
#include "standins/gdiplus/path_figures.h"

namespace gdiplus {

// The inside of the figures, by the even-odd or the nonzero winding rule.
Status RasteriseFill(const PathFigures& figures, bool even_odd, bool clip, CoverageMask* mask);

// A pen of `width` centred on the figures, the union of each figure's
// stroke; closed figures joined all round, open ones with flat ends.
Status RasteriseStroke(const PathFigures& figures, float width, int line_join, bool clip, CoverageMask* mask);

}  // namespace gdiplus
