#include "platform/posix/gdiplus/path_coverage.h"

#include "platform/posix/gdiplus/quadratic_curve.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_STROKER_H

#include <algorithm>
#include <cmath>
#include <limits>

namespace gdiplus {
namespace {

constexpr uint8_t kTypeMask = 0x07;
constexpr uint8_t kTypeStart = 0;
constexpr uint8_t kTypeBezier = 3;
constexpr uint8_t kCloseFigure = 0x80;
constexpr int kLineJoinMiterClipped = 3;
// GDI+'s default miter limit, in FreeType's 16.16 fixed point.
constexpr FT_Fixed kMiterLimit = 10 << 16;
// FreeType outlines count points in a short; longer paths go in parts of
// whole figures.
constexpr std::size_t kMostOutlinePoints = std::numeric_limits<short>::max();

// FreeType's rasteriser works in bands of a fixed number of cells and
// decomposes the whole outline again for each band, so a line of text as
// one outline costs several times its glyphs one by one. Fills therefore
// go to FreeType in parts, split between figures whose bounds do not meet
// (no hole is parted from its outline), and strokes figure by figure.

// FreeType, started on first use and kept for the process; callers hold
// the GDI+ lock.
FT_Library Library() {
  static const FT_Library library = [] {
    FT_Library made = nullptr;
    return FT_Init_FreeType(&made) == 0 ? made : nullptr;
  }();
  return library;
}

// GDI+ pixel (x, y) covers x - 0.5 to x + 0.5, FreeType's x to x + 1, and
// FreeType's y grows upwards: 26.6 fixed point, y negated.
FT_Vector ToFreeType(const GpPointF& point) {
  return {std::lround((point.X + 0.5f) * 64), -std::lround((point.Y + 0.5f) * 64)};
}

void AddSpans(int y, int count, const FT_Span* spans, void* user) {
  auto* mask = static_cast<CoverageMask*>(user);
  const int row = -y - 1;  // FreeType row y lies between y and y + 1
  for (int i = 0; i < count; ++i) mask->Raise(spans[i].x, row, spans[i].len, spans[i].coverage);
}

Status Render(FT_Outline* outline, CoverageMask* mask) {
  if (!Library()) return OutOfMemory;
  FT_Raster_Params params{};
  params.source = outline;
  params.flags = FT_RASTER_FLAG_AA | FT_RASTER_FLAG_DIRECT | FT_RASTER_FLAG_CLIP;
  params.gray_spans = AddSpans;
  params.user = mask;
  params.clip_box = {mask->Left(), -(mask->Top() + mask->Height()), mask->Left() + mask->Width(), -mask->Top()};
  return FT_Outline_Render(Library(), outline, &params) == 0 ? Ok : GenericError;
}

// Calls visit(first, end) for each figure, the points [first, end).
template <typename Visit>
Status ForEachFigure(const PathFigures& figures, Visit visit) {
  const std::size_t count = figures.types.size();
  std::size_t first = 0;
  while (first < count) {
    if ((figures.types[first] & kTypeMask) != kTypeStart) return InvalidParameter;
    std::size_t end = first + 1;
    while (end < count && (figures.types[end] & kTypeMask) != kTypeStart) ++end;
    if (const Status status = visit(first, end)) return status;
    first = end;
  }
  return Ok;
}

struct Bounds {
  float left, top, right, bottom;
};

Bounds FigureBounds(const PathFigures& figures, std::size_t first, std::size_t end) {
  Bounds bounds{figures.points[first].X, figures.points[first].Y, figures.points[first].X, figures.points[first].Y};
  for (std::size_t i = first + 1; i < end; ++i) {
    bounds.left = std::min(bounds.left, figures.points[i].X);
    bounds.right = std::max(bounds.right, figures.points[i].X);
    bounds.top = std::min(bounds.top, figures.points[i].Y);
    bounds.bottom = std::max(bounds.bottom, figures.points[i].Y);
  }
  return bounds;
}

// The bounds of the figures gathered for one part, and whether the next
// figure can go to a part of its own.
class Part {
 public:
  bool EndsBefore(const Bounds& next) const {
    return !empty_ && (next.left > bounds_.right || next.right < bounds_.left || next.top > bounds_.bottom ||
            next.bottom < bounds_.top);
  }
  void Add(const Bounds& figure) {
    bounds_ = empty_ ? figure
                     : Bounds{std::min(bounds_.left, figure.left), std::min(bounds_.top, figure.top),
                              std::max(bounds_.right, figure.right), std::max(bounds_.bottom, figure.bottom)};
    empty_ = false;
  }
  void Clear() { empty_ = true; }

 private:
  Bounds bounds_{};
  bool empty_ = true;
};

// Figures gathered into one FreeType outline.
class FillOutline {
 public:
  bool Fits(std::size_t points) const { return points_.size() + points <= kMostOutlinePoints; }
  bool Empty() const { return points_.empty(); }

  void AddFigure(const PathFigures& figures, std::size_t first, std::size_t end) {
    const GpPointF* points = figures.points.data();
    for (std::size_t i = first; i < end; ++i) {
      // Each Bézier is two control points and an end point.
      GpPointF control;
      if ((figures.types[i] & kTypeMask) != kTypeBezier || i + 2 >= end) {
        Add(points[i], FT_CURVE_TAG_ON);
      } else if (QuadraticControl(points[i - 1], points[i], points[i + 1], points[i + 2], &control)) {
        Add(control, FT_CURVE_TAG_CONIC);
        Add(points[i += 2], FT_CURVE_TAG_ON);
      } else {
        Add(points[i], FT_CURVE_TAG_CUBIC);
        Add(points[i + 1], FT_CURVE_TAG_CUBIC);
        Add(points[i += 2], FT_CURVE_TAG_ON);
      }
    }
    contours_.push_back(static_cast<short>(points_.size() - 1));
  }

  Status Render(bool even_odd, CoverageMask* mask) {
    FT_Outline outline{};
    outline.n_points = static_cast<short>(points_.size());
    outline.n_contours = static_cast<short>(contours_.size());
    outline.points = points_.data();
    outline.tags = tags_.data();
    outline.contours = contours_.data();
    outline.flags = even_odd ? FT_OUTLINE_EVEN_ODD_FILL : FT_OUTLINE_NONE;
    const Status status = gdiplus::Render(&outline, mask);
    points_.clear();
    tags_.clear();
    contours_.clear();
    return status;
  }

 private:
  void Add(const GpPointF& point, char tag) {
    points_.push_back(ToFreeType(point));
    tags_.push_back(tag);
  }

  std::vector<FT_Vector> points_;
  std::vector<char> tags_;
  std::vector<short> contours_;
};

FT_Stroker_LineJoin ToFreeTypeJoin(int line_join) {
  switch (line_join) {
    case LineJoinBevel:
      return FT_STROKER_LINEJOIN_BEVEL;
    case LineJoinRound:
      return FT_STROKER_LINEJOIN_ROUND;
    case kLineJoinMiterClipped:
      return FT_STROKER_LINEJOIN_MITER_FIXED;
    default:
      return FT_STROKER_LINEJOIN_MITER_VARIABLE;
  }
}

// Feeds one figure to the stroker.
void StrokeFigure(FT_Stroker stroker, const PathFigures& figures, std::size_t first, std::size_t end) {
  FT_Vector start = ToFreeType(figures.points[first]);
  const bool open = !(figures.types[end - 1] & kCloseFigure);
  FT_Stroker_BeginSubPath(stroker, &start, open);
  for (std::size_t i = first + 1; i < end; ++i) {
    FT_Vector to = ToFreeType(figures.points[i]);
    if ((figures.types[i] & kTypeMask) == kTypeBezier && i + 2 < end) {
      FT_Vector curve_end = ToFreeType(figures.points[i + 2]);
      GpPointF control;
      if (QuadraticControl(figures.points[i - 1], figures.points[i], figures.points[i + 1], figures.points[i + 2],
                           &control)) {
        FT_Vector conic_control = ToFreeType(control);
        FT_Stroker_ConicTo(stroker, &conic_control, &curve_end);
      } else {
        FT_Vector control2 = ToFreeType(figures.points[i + 1]);
        FT_Stroker_CubicTo(stroker, &to, &control2, &curve_end);
      }
      i += 2;
    } else {
      FT_Stroker_LineTo(stroker, &to);
    }
  }
  FT_Stroker_EndSubPath(stroker);
}

// Renders what the stroker holds and empties it.
Status RenderStroke(FT_Stroker stroker, CoverageMask* mask) {
  FT_UInt points = 0, contours = 0;
  if (FT_Stroker_GetCounts(stroker, &points, &contours) != 0) return GenericError;
  Status status = Ok;
  FT_Outline outline{};
  if (points > 0 && points <= kMostOutlinePoints && FT_Outline_New(Library(), points, contours, &outline) == 0) {
    outline.n_points = 0;
    outline.n_contours = 0;
    FT_Stroker_Export(stroker, &outline);
    status = Render(&outline, mask);
    FT_Outline_Done(Library(), &outline);
  } else if (points > 0) {
    status = OutOfMemory;
  }
  FT_Stroker_Rewind(stroker);
  return status;
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

Status FillFigures(const PathFigures& figures, bool even_odd, CoverageMask* mask) {
  if (mask->Empty()) return Ok;
  FillOutline outline;
  Part part;
  const Status status = ForEachFigure(figures, [&](std::size_t first, std::size_t end) {
    const Bounds bounds = FigureBounds(figures, first, end);
    if ((part.EndsBefore(bounds) || !outline.Fits(end - first)) && !outline.Empty()) {
      part.Clear();
      if (const Status rendered = outline.Render(even_odd, mask)) return rendered;
    }
    // A figure too large for one FreeType outline is left out.
    if (outline.Fits(end - first)) {
      outline.AddFigure(figures, first, end);
      part.Add(bounds);
    }
    return Ok;
  });
  if (status != Ok || outline.Empty()) return status;
  return outline.Render(even_odd, mask);
}

Status StrokeFigures(const PathFigures& figures, float width, int line_join, CoverageMask* mask) {
  if (mask->Empty()) return Ok;
  FT_Stroker stroker = nullptr;
  if (!Library() || FT_Stroker_New(Library(), &stroker) != 0) return OutOfMemory;
  FT_Stroker_Set(stroker, std::lround(width * 32), FT_STROKER_LINECAP_BUTT, ToFreeTypeJoin(line_join), kMiterLimit);
  // A stroke is the union of its figures' strokes.
  const Status status = ForEachFigure(figures, [&](std::size_t first, std::size_t end) {
    StrokeFigure(stroker, figures, first, end);
    return RenderStroke(stroker, mask);
  });
  FT_Stroker_Done(stroker);
  return status;
}

}  // namespace gdiplus
