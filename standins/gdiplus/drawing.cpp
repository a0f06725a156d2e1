// Drawing on a bitmap over caller memory, every operation as coverage times
// a solid colour composited in straight alpha (straight_alpha.h): clearing
// writes the memory directly, text takes its coverage from libgdiplus
// (text_scratch.h), rectangles and paths from path_coverage.h.
// A DC's graphics measures only.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "module/platform/common/gdiplus_operation_frame.h"
#include "standins/gdiplus/coverage_mask.h"
#include "standins/gdiplus/path_coverage.h"
#include "standins/gdiplus/text_scratch.h"

namespace gdiplus {
namespace {

// GDI+ draws pens thinner than a pixel one pixel wide.
constexpr float kThinnestPen = 1.0f;

bool IsInvisible(ARGB color) { return (color >> 24) == 0; }

// Without anti-aliasing, GDI+ paints the pixels whose centres lie in the
// shape, left and top edges included. Moved so that each point lies on the
// pixel edge before the first centre at or after it, the shape covers those
// pixels whole (axis-parallel edges) or at least half (others).
PathFigures SnapToPixelEdges(const PathFigures& figures) {
  PathFigures snapped = figures;
  for (GpPointF& point : snapped.points) point = {std::ceil(point.X) - 0.5f, std::ceil(point.Y) - 0.5f};
  return snapped;
}

// Paints `figures`, filled or stroked by rasterise(figures, mask), in
// `color` onto the graphics' bitmap.
template <typename Rasterise>
Status PaintFigures(Graphics* graphics, const PathFigures& figures, float reach, ARGB color, Rasterise rasterise) {
  const bool antialiased = IsAntialiased(*graphics);
  const PathFigures snapped = antialiased ? PathFigures{} : SnapToPixelEdges(figures);
  const PathFigures& drawn = antialiased ? figures : snapped;
  CoverageMask mask(*graphics->target, drawn.points.data(), static_cast<int>(drawn.points.size()), reach);
  if (const Status status = rasterise(drawn, &mask)) return status;
  mask.Paint(*graphics->target, color, antialiased);
  return Ok;
}

}  // namespace

namespace body {

Status GraphicsClear(Graphics* graphics, ARGB color) {
  if (!graphics) return InvalidParameter;
  if (!graphics->target) return NotImplemented;
  const Bitmap& bitmap = *graphics->target;
  // One row filled, then copied: a bitmap is cleared on every update.
  std::fill_n(bitmap.Row(0), bitmap.width, color);
  for (int y = 1; y < bitmap.height; ++y) std::memcpy(bitmap.Row(y), bitmap.Row(0), std::size_t(bitmap.width) * 4);
  return Ok;
}

Status CreateSolidFill(ARGB color, SolidBrush** brush) {
  if (!brush) return InvalidParameter;
  *brush = new SolidBrush{color};
  return Ok;
}

Status DeleteBrush(SolidBrush* brush) { return DeleteOwn(brush); }

Status FillRectangle(Graphics* graphics, SolidBrush* brush, float x, float y, float width, float height) {
  if (!graphics || !brush) return InvalidParameter;
  if (!graphics->target) return NotImplemented;
  if (IsInvisible(brush->color) || width <= 0 || height <= 0) return Ok;
  const PathFigures rectangle{{{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}},
                              {kPathTypeStart, kPathTypeLine, kPathTypeLine, kPathTypeLine | kPathCloseFigure}};
  return PaintFigures(graphics, rectangle, 0, brush->color, [](const PathFigures& drawn, CoverageMask* mask) {
    return FillFigures(drawn, false, mask);
  });
}

Status DrawString(Graphics* graphics, const char16_t* text, int length, const Font* font, const RectF* layout,
                  const StringFormat* format, const SolidBrush* brush) {
  if (!graphics || !brush || !text || !layout) return InvalidParameter;
  if (!graphics->target) return NotImplemented;
  if (!MeasuringGraphics(graphics)) return OutOfMemory;
  return graphics->scratch->DrawText(text, length, font, layout, format, brush->color, *graphics->target);
}

Status CreatePath(int fill_mode, Path** path) {
  return GdipCreatePath(fill_mode, reinterpret_cast<GpPath**>(path));
}

Status AddPathString(Path* path, const char16_t* text, int length, const FontFamily* family, int style,
                     float em_size, const RectF* layout, const StringFormat* format) {
  return GdipAddPathString(Native(path), text, length, Native(family), style, em_size, Native(layout),
                           Native(format));
}

Status DeletePath(Path* path) {
  return GdipDeletePath(Native(path));
}

Status CreatePen(ARGB color, float width, int unit, Pen** pen) {
  if (!pen || !(width >= 0)) return InvalidParameter;
  // Without transforms, world units are pixels.
  if (unit != UnitWorld && unit != UnitPixel) return NotImplemented;
  *pen = new Pen{color, width, LineJoinMiter};
  return Ok;
}

Status SetPenLineJoin(Pen* pen, int line_join) {
  if (!pen) return InvalidParameter;
  pen->line_join = line_join;
  return Ok;
}

Status DeletePen(Pen* pen) { return DeleteOwn(pen); }

Status DrawPath(Graphics* graphics, Pen* pen, Path* path) {
  if (!graphics || !pen || !path) return InvalidParameter;
  if (!graphics->target) return NotImplemented;
  if (IsInvisible(pen->color)) return Ok;
  PathFigures figures;
  if (const Status status = ReadPath(Native(path), &figures)) return status;
  const float width = std::max(pen->width, kThinnestPen);
  return PaintFigures(graphics, figures, PenReach(width, pen->line_join), pen->color, [&](const PathFigures& drawn, CoverageMask* mask) {
    return StrokeFigures(drawn, width, pen->line_join, mask);
  });
}

Status FillPath(Graphics* graphics, SolidBrush* brush, Path* path) {
  if (!graphics || !brush || !path) return InvalidParameter;
  if (!graphics->target) return NotImplemented;
  if (IsInvisible(brush->color)) return Ok;
  int fill_mode = FillModeAlternate;
  PathFigures figures;
  if (const Status status = GdipGetPathFillMode(Native(path), &fill_mode)) return status;
  if (const Status status = ReadPath(Native(path), &figures)) return status;
  return PaintFigures(graphics, figures, 0, brush->color, [&](const PathFigures& drawn, CoverageMask* mask) {
    return FillFigures(drawn, fill_mode == FillModeAlternate, mask);
  });
}

}  // namespace body

}  // namespace gdiplus
