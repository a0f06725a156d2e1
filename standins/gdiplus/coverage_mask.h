#pragma once

// Coverage, 0 to 255, of the pixels of a rectangle of a bitmap or of a
// tile, as the rasteriser reports it for the figures drawn into the mask;
// where figures overlap, the larger coverage counts.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "standins/gdiplus/objects.h"

namespace gdiplus {

class CoverageMask {
 public:
  // The part of `bitmap` within `reach` pixels of the points' bounds.
  CoverageMask(const Bitmap& bitmap, const GpPointF* points, int count, float reach);
  // A tile of `width` x `height` pixels whose first is (0, 0).
  CoverageMask(int width, int height);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Raises the coverage of `length` pixels from (x, y) in bitmap
  // coordinates to at least `coverage`; pixels outside the mask are left.
  void Raise(int x, int y, int length, uint8_t coverage);
  // The same with a coverage for each pixel.
  void Raise(int x, int y, int length, const uint8_t* coverage);
  // Raises the mask to `tile`'s coverage, the tile's (0, 0) at (x, y).
  void Raise(const CoverageMask& tile, int x, int y);

  // The memory the coverage takes.
  std::size_t Bytes() const { return coverage_.size(); }

  // Composites `color` through the coverage onto the bitmap; without
  // anti-aliasing, pixels at least half covered count as covered and the
  // rest as not.
  void Paint(const Bitmap& bitmap, ARGB color, bool antialiased) const;

 private:
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::vector<uint8_t> coverage_;
};

}  // namespace gdiplus
