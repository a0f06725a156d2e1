#pragma once

// What the objects of module/platform/gdiplus.h are on Linux. Fonts, families,
// string formats and paths are libgdiplus's own; bitmaps, graphics, brushes
// and pens are this library's, so that drawing on caller memory stays in
// straight alpha (straight_alpha.h) and paths are drawn by Anti-Grain Geometry.

#include <cstdint>
#include <memory>

#include "module/platform/common/gdiplus_flat.h"
#include "module/platform/gdiplus.h"

namespace gdiplus {

// Caller memory: 32-bit straight ARGB, rows `stride` bytes apart.
struct Bitmap {
  uint8_t* rows;
  int width;
  int height;
  int stride;

  uint32_t* Row(int y) const { return reinterpret_cast<uint32_t*>(rows + static_cast<std::ptrdiff_t>(y) * stride); }
};

class TextScratch;

struct Graphics {
  Graphics();
  ~Graphics();
  // A DC's graphics, from libgdiplus; null for a bitmap's.
  GpGraphics* dc_graphics = nullptr;
  // The bitmap drawn on; null for a DC's graphics.
  Bitmap* target = nullptr;
  int text_hint = 0;
  int smoothing = 0;
  // Where libgdiplus draws and measures text for a bitmap's graphics; made
  // on first use.
  std::unique_ptr<TextScratch> scratch;
};

struct SolidBrush {
  ARGB color;
};

struct Pen {
  ARGB color;
  float width;
  int line_join;
};

// The libgdiplus graphics that measures text for `graphics`: the DC's, or
// the text scratch of a bitmap's graphics, made on first use. Null when it
// cannot be made.
GpGraphics* MeasuringGraphics(Graphics* graphics);

inline GpFont* Native(const Font* font) { return reinterpret_cast<GpFont*>(const_cast<Font*>(font)); }
inline GpFontFamily* Native(const FontFamily* family) {
  return reinterpret_cast<GpFontFamily*>(const_cast<FontFamily*>(family));
}
inline GpStringFormat* Native(const StringFormat* format) {
  return reinterpret_cast<GpStringFormat*>(const_cast<StringFormat*>(format));
}
inline GpPath* Native(Path* path) { return reinterpret_cast<GpPath*>(path); }
inline const GpRectF* Native(const RectF* rect) { return reinterpret_cast<const GpRectF*>(rect); }

// Deletes one of this side's own objects; null is refused.
template <typename Object>
Status DeleteOwn(Object* object) {
  if (!object) return InvalidParameter;
  delete object;
  return Ok;
}

// Whether fills and pens on `graphics` are anti-aliased.
inline bool IsAntialiased(const Graphics& graphics) {
  constexpr int kSmoothingHighQuality = 2;
  return graphics.smoothing == SmoothingModeAntiAlias || graphics.smoothing == kSmoothingHighQuality;
}

}  // namespace gdiplus
