#include "module/scene_source/texture_size.h"

#include <algorithm>
#include <bit>

#include "module/scene_source/truncate_float.h"

namespace {

// 0.0001 in single precision, so that a side a rounding error short of a
// whole pixel still gets it.
constexpr float kPixelSlack = std::bit_cast<float>(0x38D1B717u);
constexpr int64_t kMinSide = 32;
constexpr int64_t kMaxSide = 8192;

int32_t EvenWithinLimits(int32_t side) {
  const int64_t even = int64_t{side} + (side & 1);
  return static_cast<int32_t>(std::clamp(even, kMinSide, kMaxSide));
}

}  // namespace

TextureExtent ApplySizeRule(int32_t font_size, gdiplus::RectF* box) {
  int32_t height;
  if (static_cast<float>(font_size) > box->Height) {
    box->Height = static_cast<float>(font_size);
    height = font_size;
  } else {
    height = TruncateToInt32(box->Height + kPixelSlack);
  }
  const int32_t width = TruncateToInt32(box->Width + kPixelSlack);
  return {EvenWithinLimits(width), EvenWithinLimits(height)};
}
