#pragma once

// Fills and strokes of GDI+ paths, rasterised by FreeType into a coverage
// mask: the path's figures become FreeType outlines (Béziers stay cubic
// curves), FT_Stroker makes the pen's outline, and FreeType's anti-aliasing
// rasteriser reports the coverage. Pixel centres are at whole coordinates,
// as in GDI+.

#include <cstdint>
#include <vector>

#include "platform/posix/gdiplus/coverage_mask.h"

namespace gdiplus {

struct PathFigures {
  std::vector<GpPointF> points;
  std::vector<uint8_t> types;  // GDI+ point types: start, line, Bézier; 0x80 closes a figure
};

// The figures of a libgdiplus path.
Status ReadPath(GpPath* path, PathFigures* figures);

// The inside of the figures, by the even-odd or the nonzero winding rule.
Status FillFigures(const PathFigures& figures, bool even_odd, CoverageMask* mask);

// A pen of `width` centred on the figures; closed figures joined all round,
// open ones with flat ends.
Status StrokeFigures(const PathFigures& figures, float width, int line_join, CoverageMask* mask);

}  // namespace gdiplus
