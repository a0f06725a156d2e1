#include "standins/gdiplus/text_scratch.h"


#include "standins/gdiplus/straight_alpha.h"

namespace gdiplus {
namespace {

// Zeroed memory left by the last scratch; callers hold the GDI+ lock.
std::vector<uint32_t>& KeptPixels() {
  static std::vector<uint32_t> kept;
  return kept;
}
// Larger memory goes back to the system.
constexpr std::size_t kMostKeptPixels = std::size_t{1} << 20;

}  // namespace

TextScratch::TextScratch(int width, int height) : width_(width), height_(height) {
  const std::size_t needed = static_cast<std::size_t>(width) * height;
  if (KeptPixels().size() >= needed) pixels_.swap(KeptPixels());
  if (pixels_.size() < needed) pixels_.assign(needed, 0u);
}

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
  if (pixels_.size() <= kMostKeptPixels && pixels_.size() > KeptPixels().size()) pixels_.swap(KeptPixels());
}

Status TextScratch::DrawText(const char16_t* text, int length, const Font* font, const RectF* layout,
                             const StringFormat* format, ARGB color, const Bitmap& target) {
  const Status status = GdipDrawString(graphics_, text, length, Native(font), Native(layout), Native(format),
                                       reinterpret_cast<GpBrush*>(white_));
  // cairo draws into the memory as it goes; nothing is held back. What a
  // failed drawing left is cleared too.
  for (int y = 0; y < height_; ++y) {
    uint32_t* coverage = &pixels_[static_cast<std::size_t>(y) * width_];
    uint32_t* row = target.Row(y);
    for (int x = 0; x < width_; ++x) {
      if (coverage[x] == 0) continue;
      if (status == Ok) row[x] = CompositeOver(row[x], color, coverage[x] >> 24);
      coverage[x] = 0;
    }
  }
  return status;
}

}  // namespace gdiplus
