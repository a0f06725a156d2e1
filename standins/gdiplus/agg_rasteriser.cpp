// Figures rasterised by Anti-Grain Geometry: its curve flattening, its
// stroker with the pen's joins, and its anti-aliasing scanline rasteriser.

#include "standins/gdiplus/figure_rasteriser.h"

#include <agg_conv_curve.h>
#include <agg_conv_stroke.h>
#include <agg_path_storage.h>
#include <agg_rasterizer_scanline_aa_nogamma.h>
#include <agg_scanline_p.h>

#include "standins/gdiplus/quadratic_curve.h"

namespace gdiplus {
namespace {

constexpr int kLineJoinMiterClipped = 3;
// GDI+'s default miter limit, in pen widths.
constexpr double kMiterLimit = 10;
// Curves flattened to within a quarter of a pixel: closer to the glyphs'
// own shapes than AGG's default half.
constexpr double kCurveScale = 2;

// Clipping in floating point: far-off points stay within AGG's fixed point.
using ClippingRasteriser = agg::rasterizer_scanline_aa_nogamma<agg::rasterizer_sl_clip_dbl>;
using TileRasteriser = agg::rasterizer_scanline_aa_nogamma<agg::rasterizer_sl_no_clip>;
using Curves = agg::conv_curve<agg::path_storage>;

// GDI+ pixel (x, y) covers x - 0.5 to x + 0.5, AGG's x to x + 1.
double X(const GpPointF& point) { return point.X + 0.5; }
double Y(const GpPointF& point) { return point.Y + 0.5; }

void AddFigure(const PathFigures& figures, std::size_t first, std::size_t end, agg::path_storage* path) {
  const GpPointF* points = figures.points.data();
  path->move_to(X(points[first]), Y(points[first]));
  for (std::size_t i = first + 1; i < end; ++i) {
    GpPointF control;
    if ((figures.types[i] & kPathTypeMask) != kPathTypeBezier || i + 2 >= end) {
      path->line_to(X(points[i]), Y(points[i]));
    } else if (QuadraticControl(points[i - 1], points[i], points[i + 1], points[i + 2], &control)) {
      path->curve3(X(control), Y(control), X(points[i + 2]), Y(points[i + 2]));
      i += 2;
    } else {
      path->curve4(X(points[i]), Y(points[i]), X(points[i + 1]), Y(points[i + 1]), X(points[i + 2]), Y(points[i + 2]));
      i += 2;
    }
  }
  if (figures.types[end - 1] & kPathCloseFigure) path->close_polygon();
}

template <typename Rasteriser>
void ClipTo(const CoverageMask& mask, Rasteriser* rasteriser) {
  rasteriser->clip_box(mask.Left(), mask.Top(), mask.Left() + mask.Width(), mask.Top() + mask.Height());
}

// Raises the mask to what the rasteriser holds.
template <typename Rasteriser>
void Sweep(Rasteriser& rasteriser, CoverageMask* mask) {
  if (!rasteriser.rewind_scanlines()) return;
  agg::scanline_p8 scanline;
  scanline.reset(rasteriser.min_x(), rasteriser.max_x());
  while (rasteriser.sweep_scanline(scanline)) {
    const int y = scanline.y();
    auto span = scanline.begin();
    for (unsigned spans = scanline.num_spans(); spans > 0; --spans, ++span) {
      // A negative length is a run of one coverage.
      if (span->len < 0) {
        mask->Raise(span->x, y, -span->len, span->covers[0]);
      } else {
        mask->Raise(span->x, y, span->len, span->covers);
      }
    }
  }
}

agg::line_join_e ToAggJoin(int line_join) {
  switch (line_join) {
    case LineJoinBevel:
      return agg::bevel_join;
    case LineJoinRound:
      return agg::round_join;
    case kLineJoinMiterClipped:
      return agg::miter_join_revert;
    default:
      return agg::miter_join;
  }
}

template <typename Rasteriser>
Status Fill(const PathFigures& figures, bool even_odd, CoverageMask* mask) {
  agg::path_storage path;
  const Status status =
      ForEachFigure(figures, [&](std::size_t first, std::size_t end) { AddFigure(figures, first, end, &path); });
  if (status != Ok) return status;
  Curves curves(path);
  curves.approximation_scale(kCurveScale);
  Rasteriser rasteriser;
  ClipTo(*mask, &rasteriser);
  rasteriser.filling_rule(even_odd ? agg::fill_even_odd : agg::fill_non_zero);
  rasteriser.add_path(curves);
  Sweep(rasteriser, mask);
  return Ok;
}

template <typename Rasteriser>
Status Stroke(const PathFigures& figures, float width, int line_join, CoverageMask* mask) {
  agg::path_storage path;
  Curves curves(path);
  curves.approximation_scale(kCurveScale);
  agg::conv_stroke<Curves> stroke(curves);
  stroke.width(width);
  stroke.line_join(ToAggJoin(line_join));
  stroke.line_cap(agg::butt_cap);
  stroke.miter_limit(kMiterLimit);
  stroke.approximation_scale(kCurveScale);
  Rasteriser rasteriser;
  ClipTo(*mask, &rasteriser);
  // A stroke is the union of its figures' strokes: where a glyph's outline
  // and its hole run close, their strokes wind in opposite senses.
  return ForEachFigure(figures, [&](std::size_t first, std::size_t end) {
    path.remove_all();
    AddFigure(figures, first, end, &path);
    rasteriser.reset();
    rasteriser.add_path(stroke);
    Sweep(rasteriser, mask);
  });
}

}  // namespace

Status RasteriseFill(const PathFigures& figures, bool even_odd, bool clip, CoverageMask* mask) {
  return clip ? Fill<ClippingRasteriser>(figures, even_odd, mask) : Fill<TileRasteriser>(figures, even_odd, mask);
}

Status RasteriseStroke(const PathFigures& figures, float width, int line_join, bool clip, CoverageMask* mask) {
  return clip ? Stroke<ClippingRasteriser>(figures, width, line_join, mask)
              : Stroke<TileRasteriser>(figures, width, line_join, mask);
}

}  // namespace gdiplus
