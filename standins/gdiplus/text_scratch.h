#pragma once

// Where libgdiplus draws text for a graphics on caller memory: a
// premultiplied bitmap of the same size in memory of its own, on which the
// text goes in opaque white. Its alpha is then the text's coverage, which is
// composited in the brush's colour onto the caller's memory in straight
// alpha. The memory is all zero between drawings (each drawing clears what
// it inked) and is kept for the next scratch: fresh memory costs a page
// fault every 4 KiB, more than the text itself.

#include <cstdint>
#include <memory>
#include <vector>

#include "standins/gdiplus/objects.h"

namespace gdiplus {

class TextScratch {
 public:
  // Null when libgdiplus cannot make it.
  static std::unique_ptr<TextScratch> Make(int width, int height, int text_hint);
  ~TextScratch();
  TextScratch(const TextScratch&) = delete;
  TextScratch& operator=(const TextScratch&) = delete;

  // For measuring, as on the caller's bitmap.
  GpGraphics* graphics() const { return graphics_; }

  // Draws the text and composites it in `color` onto `target`.
  Status DrawText(const char16_t* text, int length, const Font* font, const RectF* layout,
                  const StringFormat* format, ARGB color, const Bitmap& target);

 private:
  TextScratch(int width, int height);

  int width_, height_;
  // At least width_ x height_ pixels.
  std::vector<uint32_t> pixels_;
  GpBitmap* bitmap_ = nullptr;
  GpGraphics* graphics_ = nullptr;
  GpSolidFill* white_ = nullptr;
};

}  // namespace gdiplus
