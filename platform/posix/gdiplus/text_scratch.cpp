#include "gdiplus/text_scratch.h"

#include <algorithm>

#include "gdiplus/straight_alpha.h"

namespace gdiplus {

TextScratch::TextScratch(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

std::unique_ptr<TextScratch> TextScratch::Make(int width, int height, int text_hint) {
  std::unique_ptr<TextScratch> scratch(new TextScratch(width, height));
  if (GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB, scratch->pixels_.data(),
                                &scratch->bitmap_) != Ok ||
      GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(scratch->bitmap_), &scratch->graphics_) != Ok ||
      GdipCreateSolidFill(0xFFFFFFFFu, &scratch->white_) != Ok ||
      GdipSetTextRenderingHint(scratch->graphics_, text_hint) != Ok) {
    return nullptr;
  }
  return scratch;
}

TextScratch::~TextScratch() {
  if (white_) GdipDeleteBrush(reinterpret_cast<GpBrush*>(white_));
  if (graphics_) GdipDeleteGraphics(graphics_);
  if (bitmap_) GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap_));
}

Status TextScratch::DrawText(const char16_t* text, int length, const Font* font, const RectF* layout,
                             const StringFormat* format, ARGB color, const Bitmap& target) {
  std::fill(pixels_.begin(), pixels_.end(), 0u);
  const Status status = GdipDrawString(graphics_, text, length, Native(font), Native(layout), Native(format),
                                       reinterpret_cast<GpBrush*>(white_));
  if (status != Ok) return status;
  // cairo draws into the memory as it goes; nothing is held back.
  for (int y = 0; y < height_; ++y) {
    const uint32_t* coverage = &pixels_[static_cast<std::size_t>(y) * width_];
    uint32_t* row = target.Row(y);
    for (int x = 0; x < width_; ++x) {
      if (coverage[x] != 0) row[x] = CompositeOver(row[x], color, coverage[x] >> 24);
    }
  }
  return Ok;
}

}  // namespace gdiplus
