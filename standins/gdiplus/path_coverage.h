#pragma once

// Fills and strokes of GDI+ paths as coverage masks. The path's figures go
// in groups whose bounds meet (figure_groups.h), each rasterised on a tile of
// its own and kept for the next drawing of the same figures
// (figure_tile.h); the mask takes the largest coverage of the tiles.

#include "standins/gdiplus/coverage_mask.h"
#include "standins/gdiplus/path_figures.h"

namespace gdiplus {

// The figures of a libgdiplus path.
Status ReadPath(GpPath* path, PathFigures* figures);

// How far past its path a pen of `width` with `line_join` may reach.
float PenReach(float width, int line_join);

// The inside of the figures, by the even-odd or the nonzero winding rule.
Status FillFigures(const PathFigures& figures, bool even_odd, CoverageMask* mask);

// A pen of `width` centred on the figures; closed figures joined all round,
// open ones with flat ends.
Status StrokeFigures(const PathFigures& figures, float width, int line_join, CoverageMask* mask);

}  // namespace gdiplus
