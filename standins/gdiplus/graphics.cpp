// Graphics on a DC (libgdiplus's, for measuring) and on bitmaps over caller
// memory (this library's, drawn in straight alpha), and their modes.

#include "module/platform/common/gdiplus_operation_frame.h"
#include "standins/gdiplus/objects.h"
#include "standins/gdiplus/text_scratch.h"

namespace gdiplus {
namespace {

constexpr int kLastTextHint = 5;        // TextRenderingHintClearTypeGridFit
constexpr int kLastSmoothingMode = 5;   // SmoothingModeAntiAlias8x8
constexpr int kCompositingSourceCopy = 1;

}  // namespace

Graphics::Graphics() = default;
Graphics::~Graphics() = default;

// The libgdiplus graphics that measures text for `graphics`, or null.
GpGraphics* MeasuringGraphics(Graphics* graphics) {
  if (graphics->dc_graphics) return graphics->dc_graphics;
  if (!graphics->scratch) {
    graphics->scratch = TextScratch::Make(graphics->target->width, graphics->target->height, graphics->text_hint);
  }
  return graphics->scratch ? graphics->scratch->graphics() : nullptr;
}

namespace body {

Status CreateFromHDC(win::HDC dc, Graphics** graphics) {
  if (!graphics) return InvalidParameter;
  GpGraphics* native = nullptr;
  if (const Status status = GdipCreateFromHDC(dc, &native)) return status;
  auto* made = new Graphics;
  made->dc_graphics = native;
  *graphics = made;
  return Ok;
}

Status CreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, void* scan0, Bitmap** bitmap) {
  if (!bitmap || format != PixelFormat32bppARGB || !scan0 || width <= 0 || height <= 0 || stride % 4 != 0 ||
      stride / 4 < width) {
    return InvalidParameter;
  }
  *bitmap = new Bitmap{static_cast<uint8_t*>(scan0), width, height, stride};
  return Ok;
}

Status GetImageGraphicsContext(Bitmap* bitmap, Graphics** graphics) {
  if (!bitmap || !graphics) return InvalidParameter;
  auto* made = new Graphics;
  made->target = bitmap;
  *graphics = made;
  return Ok;
}

Status SetTextRenderingHint(Graphics* graphics, int hint) {
  if (!graphics || hint < 0 || hint > kLastTextHint) return InvalidParameter;
  graphics->text_hint = hint;
  GpGraphics* native = graphics->dc_graphics ? graphics->dc_graphics
                                             : (graphics->scratch ? graphics->scratch->graphics() : nullptr);
  return native ? GdipSetTextRenderingHint(native, hint) : Ok;
}

Status SetCompositingMode(Graphics* graphics, int mode) {
  if (!graphics || (mode != CompositingModeSourceOver && mode != kCompositingSourceCopy)) return InvalidParameter;
  return mode == CompositingModeSourceOver ? Ok : NotImplemented;
}

Status SetSmoothingMode(Graphics* graphics, int mode) {
  if (!graphics || mode < 0 || mode > kLastSmoothingMode) return InvalidParameter;
  graphics->smoothing = mode;
  return Ok;
}

Status DeleteGraphics(Graphics* graphics) {
  if (!graphics) return InvalidParameter;
  if (graphics->dc_graphics) GdipDeleteGraphics(graphics->dc_graphics);
  delete graphics;
  return Ok;
}

Status DisposeBitmap(Bitmap* bitmap) { return DeleteOwn(bitmap); }

Status MeasureString(Graphics* graphics, const char16_t* text, int length, const Font* font, const RectF* layout,
                     const StringFormat* format, RectF* bounds) {
  if (!graphics) return InvalidParameter;
  GpGraphics* measuring = MeasuringGraphics(graphics);
  if (!measuring) return OutOfMemory;
  return GdipMeasureString(measuring, text, length, Native(font), Native(layout), Native(format),
                           reinterpret_cast<GpRectF*>(bounds), nullptr, nullptr);
}

}  // namespace body

}  // namespace gdiplus
