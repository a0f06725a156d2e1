#include "standins/gdiplus/coverage_mask.h"

#include <algorithm>
#include <cmath>

#include "standins/gdiplus/blank_memory.h"
#include "standins/gdiplus/straight_alpha.h"

namespace gdiplus {

CoverageMask::CoverageMask(const Bitmap& bitmap, const GpPointF* points, int count, float reach) {
  if (count <= 0) return;
  float min_x = points[0].X, max_x = points[0].X, min_y = points[0].Y, max_y = points[0].Y;
  for (int i = 1; i < count; ++i) {
    min_x = std::min(min_x, points[i].X);
    max_x = std::max(max_x, points[i].X);
    min_y = std::min(min_y, points[i].Y);
    max_y = std::max(max_y, points[i].Y);
  }
  // One pixel more on each side for the pixel centre offset and rounding.
  const auto low = [reach](float v, int limit) {
    return static_cast<int>(std::clamp(std::floor(v - reach) - 1.0f, 0.0f, static_cast<float>(limit)));
  };
  const auto high = [reach](float v, int limit) {
    return static_cast<int>(std::clamp(std::ceil(v + reach) + 2.0f, 0.0f, static_cast<float>(limit)));
  };
  left_ = low(min_x, bitmap.width);
  top_ = low(min_y, bitmap.height);
  width_ = high(max_x, bitmap.width) - left_;
  height_ = high(max_y, bitmap.height) - top_;
  if (!Empty()) coverage_.assign(static_cast<std::size_t>(width_) * height_, 0);
}

CoverageMask::CoverageMask(int width, int height) : width_(width), height_(height) {
  if (!Empty()) coverage_.assign(static_cast<std::size_t>(width_) * height_, 0);
}

void CoverageMask::Raise(int x, int y, int length, uint8_t coverage) {
  y -= top_;
  if (y < 0 || y >= height_) return;
  const int begin = std::max(x - left_, 0), end = std::min(x - left_ + length, width_);
  uint8_t* row = &coverage_[static_cast<std::size_t>(y) * width_];
  for (int i = begin; i < end; ++i) row[i] = std::max(row[i], coverage);
}

void CoverageMask::Raise(int x, int y, int length, const uint8_t* coverage) {
  y -= top_;
  if (y < 0 || y >= height_) return;
  const int begin = std::max(x - left_, 0), end = std::min(x - left_ + length, width_);
  uint8_t* row = &coverage_[static_cast<std::size_t>(y) * width_];
  const int offset = x - left_;
  for (int i = begin; i < end; ++i) row[i] = std::max(row[i], coverage[i - offset]);
}

void CoverageMask::Raise(const CoverageMask& tile, int x, int y) {
  for (int row = 0; row < tile.height_; ++row)
    Raise(x, y + row, tile.width_, &tile.coverage_[static_cast<std::size_t>(row) * tile.width_]);
}

void CoverageMask::Paint(const Bitmap& bitmap, ARGB color, bool antialiased) const {
  // Pixels looked at together for coverage. Blank blocks are passed over, a
  // fully covered one takes an opaque colour as it is, and within the others
  // every pixel is composited (no coverage gives back the pixel itself).
  constexpr int kBlock = 16;
  constexpr int kWords = kBlock / 8;
  const bool opaque = (color >> 24) == 255;
  const int width = width_;
  for (int y = 0; y < height_; ++y) {
    const uint8_t* coverage = &coverage_[static_cast<std::size_t>(y) * width];
    uint32_t* pixels = bitmap.Row(top_ + y) + left_;
    for (int x = 0; x < width;) {
      if (x + kBlock <= width && AllWordsAre(coverage + x, kWords, 0)) {
        x += kBlock;
        continue;
      }
      if (opaque && x + kBlock <= width && AllWordsAre(coverage + x, kWords, ~uint64_t{0})) {
        std::fill_n(pixels + x, kBlock, color);
        x += kBlock;
        continue;
      }
      for (const int end = std::min(x + kBlock, width); x < end; ++x) {
        const unsigned covered = antialiased ? coverage[x] : (coverage[x] >= 128 ? 255 : 0);
        pixels[x] = CompositeOver(pixels[x], color, covered);
      }
    }
  }
}

}  // namespace gdiplus
