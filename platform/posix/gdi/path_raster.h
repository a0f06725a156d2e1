#pragma once

// Anti-aliased rasterisation of closed figures in solid colours, for the
// path drawing that this library takes over from libgdiplus (see
// path_drawing.cpp): exact area coverage for fills, and for strokes with
// round joins the coverage of the band within half the pen width of the
// outline. The layers of one drawing combine as their union.

#include <cstdint>
#include <vector>

#include "platform/gdiplus_flat.h"

namespace gdi {

struct Vertex {
  float x;
  float y;
};
// A closed figure as a polygon: its last vertex joins its first.
using Polygon = std::vector<Vertex>;

// The figures of a GDI+ path (points and types) as polygons, Béziers
// flattened to a tenth of a pixel, every vertex moved by (offset, offset).
// False when a figure is open or a type is not Start, Line or Bezier.
bool FlattenClosedFigures(const GpPointF* points, const uint8_t* types, int count, float offset,
                          std::vector<Polygon>* polygons);

// Memory for Coverage, reused from drawing to drawing: it is as large as
// the drawing, and fresh memory would cost a page fault every 4 KiB. One
// Coverage at a time may use it.
struct RasterScratch {
  std::vector<float> cover;
  std::vector<float> cells;
  std::vector<uint32_t> pixels;
  // Frees the buffers when they hold more than a few megabytes.
  void Trim();
};

// Coverage, 0 to 1, of the pixels of a width x height image near the figures.
class Coverage {
 public:
  // Covers the figures' bounds widened by `reach` pixels, within the image.
  Coverage(const std::vector<Polygon>& polygons, float reach, int width, int height, RasterScratch* scratch);

  // The figures' inside, by the even-odd or the nonzero winding rule.
  void AddFill(const std::vector<Polygon>& polygons, bool even_odd);
  // Everything within `half_width` of the figures' outlines.
  void AddBand(const std::vector<Polygon>& polygons, float half_width);

  // `color` (straight ARGB) through this coverage: premultiplied BGRA
  // pixels of the covered box, rows top first, in the scratch memory.
  const std::vector<uint32_t>& Paint(ARGB color);

  // The covered box within the image; empty when the figures miss it.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  float& At(int x, int y) { return cover_[static_cast<std::size_t>(y) * width_ + x]; }

  RasterScratch& scratch_;
  std::vector<float>& cover_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace gdi
