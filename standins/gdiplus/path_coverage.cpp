#include "standins/gdiplus/path_coverage.h"

#include <vector>

#include "standins/gdiplus/figure_groups.h"
#include "standins/gdiplus/figure_rasteriser.h"
#include "standins/gdiplus/figure_tile.h"

namespace gdiplus {
namespace {

// How far past its path a mitred join may reach, in pen widths.
constexpr float kMiterReach = 5.0f;

bool Meets(const FigureBounds& bounds, float reach, const CoverageMask& mask) {
  return bounds.right + reach + 1 >= mask.Left() && bounds.left - reach - 1 <= mask.Left() + mask.Width() &&
         bounds.bottom + reach + 1 >= mask.Top() && bounds.top - reach - 1 <= mask.Top() + mask.Height();
}

PathFigures FiguresOf(const PathFigures& figures, const FigureGroup& group) {
  PathFigures part;
  for (const FigureSpan& span : group.figures) {
    part.points.insert(part.points.end(), figures.points.begin() + static_cast<std::ptrdiff_t>(span.first),
                       figures.points.begin() + static_cast<std::ptrdiff_t>(span.end));
    part.types.insert(part.types.end(), figures.types.begin() + static_cast<std::ptrdiff_t>(span.first),
                      figures.types.begin() + static_cast<std::ptrdiff_t>(span.end));
  }
  return part;
}

// Draws each group's tile into the mask; a group too large for a tile is
// rasterised straight into it.
Status Paint(const PathFigures& figures, const Rasterisation& how, CoverageMask* mask) {
  if (mask->Empty()) return Ok;
  std::vector<FigureGroup> groups;
  if (const Status status = GroupFigures(figures, &groups)) return status;
  for (const FigureGroup& group : groups) {
    if (!Meets(group.bounds, how.reach, *mask)) continue;
    PlacedTile placed;
    if (const Status status = GroupTile(figures, group, how, &placed)) return status;
    if (placed.tile) {
      mask->Raise(*placed.tile, placed.x, placed.y);
      continue;
    }
    const PathFigures part = FiguresOf(figures, group);
    const Status status = how.stroke ? RasteriseStroke(part, how.width, how.line_join, true, mask)
                                     : RasteriseFill(part, how.even_odd, true, mask);
    if (status != Ok) return status;
  }
  return Ok;
}

}  // namespace

Status ReadPath(GpPath* path, PathFigures* figures) {
  int count = 0;
  if (const Status status = GdipGetPointCount(path, &count)) return status;
  figures->points.resize(count);
  figures->types.resize(count);
  if (count == 0) return Ok;
  if (const Status status = GdipGetPathPoints(path, figures->points.data(), count)) return status;
  return GdipGetPathTypes(path, figures->types.data(), count);
}

float PenReach(float width, int line_join) {
  return width * (line_join == LineJoinRound || line_join == LineJoinBevel ? 0.5f : kMiterReach);
}

Status FillFigures(const PathFigures& figures, bool even_odd, CoverageMask* mask) {
  return Paint(figures, {false, even_odd, 0, 0, 0}, mask);
}

Status StrokeFigures(const PathFigures& figures, float width, int line_join, CoverageMask* mask) {
  return Paint(figures, {true, false, width, line_join, PenReach(width, line_join)}, mask);
}

}  // namespace gdiplus
