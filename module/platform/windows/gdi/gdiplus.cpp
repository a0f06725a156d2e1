// The bodies of module/platform/gdiplus.h on Windows: each passes straight
// through to gdiplus.dll. The interface's functions that run them are in
// direct/direct_calls.cpp (and in the tests' fault-injecting variant). The
// interface's object types are the flat API's, under names of their own.

#include "module/platform/gdiplus.h"

#include "module/platform/common/gdiplus_flat.h"
#include "module/platform/common/gdiplus_operation_frame.h"
#include "module/platform/windows/same_layout_cast.h"

namespace gdiplus {
namespace {

using platform::windows::As;

template <typename Flat, typename Ours>
Flat** Out(Ours** ours) {
  return reinterpret_cast<Flat**>(ours);
}
const GpRectF* AsRect(const RectF* rect) { return reinterpret_cast<const GpRectF*>(rect); }

}  // namespace

namespace body {

Status Startup(uintptr_t* token) {
  const GdiplusStartupInput input{1, nullptr, 0, 0};
  return GdiplusStartup(token, &input, nullptr);
}

Status CreateFontFromLogfontA(win::HDC dc, const win::LOGFONTA* logfont, Font** font) {
  return GdipCreateFontFromLogfontA(dc, logfont, Out<GpFont>(font));
}

Status CreateFontFromLogfontW(win::HDC dc, const win::LOGFONTW* logfont, Font** font) {
  return GdipCreateFontFromLogfontW(dc, logfont, Out<GpFont>(font));
}

Status CreateFontFromDC(win::HDC dc, Font** font) {
  return GdipCreateFontFromDC(dc, Out<GpFont>(font));
}

Status GetFamily(Font* font, FontFamily** family) {
  return GdipGetFamily(As<GpFont>(font), Out<GpFontFamily>(family));
}

Status GetFontSize(Font* font, float* em_size) {
  return GdipGetFontSize(As<GpFont>(font), em_size);
}

Status GetFontStyle(Font* font, int* style) {
  return GdipGetFontStyle(As<GpFont>(font), style);
}

Status DeleteFont(Font* font) {
  return GdipDeleteFont(As<GpFont>(font));
}

Status DeleteFontFamily(FontFamily* family) {
  return GdipDeleteFontFamily(As<GpFontFamily>(family));
}

Status StringFormatGetGenericTypographic(StringFormat** format) {
  return GdipStringFormatGetGenericTypographic(Out<GpStringFormat>(format));
}

Status CloneStringFormat(const StringFormat* format, StringFormat** clone) {
  return GdipCloneStringFormat(As<GpStringFormat>(format), Out<GpStringFormat>(clone));
}

Status SetStringFormatFlags(StringFormat* format, int flags) {
  return GdipSetStringFormatFlags(As<GpStringFormat>(format), flags);
}

Status SetStringFormatTrimming(StringFormat* format, int trimming) {
  return GdipSetStringFormatTrimming(As<GpStringFormat>(format), trimming);
}

Status DeleteStringFormat(StringFormat* format) {
  return GdipDeleteStringFormat(As<GpStringFormat>(format));
}

Status CreateFromHDC(win::HDC dc, Graphics** graphics) {
  return GdipCreateFromHDC(dc, Out<GpGraphics>(graphics));
}

Status CreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, void* scan0, Bitmap** bitmap) {
  return GdipCreateBitmapFromScan0(width, height, stride, format, scan0, Out<GpBitmap>(bitmap));
}

Status GetImageGraphicsContext(Bitmap* bitmap, Graphics** graphics) {
  return GdipGetImageGraphicsContext(As<GpImage>(bitmap), Out<GpGraphics>(graphics));
}

Status SetTextRenderingHint(Graphics* graphics, int hint) {
  return GdipSetTextRenderingHint(As<GpGraphics>(graphics), hint);
}

Status SetCompositingMode(Graphics* graphics, int mode) {
  return GdipSetCompositingMode(As<GpGraphics>(graphics), mode);
}

Status SetSmoothingMode(Graphics* graphics, int mode) {
  return GdipSetSmoothingMode(As<GpGraphics>(graphics), mode);
}

Status DeleteGraphics(Graphics* graphics) {
  return GdipDeleteGraphics(As<GpGraphics>(graphics));
}

Status DisposeBitmap(Bitmap* bitmap) {
  return GdipDisposeImage(As<GpImage>(bitmap));
}

Status MeasureString(Graphics* graphics, const char16_t* text, int length, const Font* font, const RectF* layout,
                     const StringFormat* format, RectF* bounds) {
  return GdipMeasureString(As<GpGraphics>(graphics), text, length, As<GpFont>(font), AsRect(layout),
                           As<GpStringFormat>(format), reinterpret_cast<GpRectF*>(bounds), nullptr, nullptr);
}

Status GraphicsClear(Graphics* graphics, ARGB color) {
  return GdipGraphicsClear(As<GpGraphics>(graphics), color);
}

Status CreateSolidFill(ARGB color, SolidBrush** brush) {
  return GdipCreateSolidFill(color, Out<GpSolidFill>(brush));
}

Status DeleteBrush(SolidBrush* brush) {
  return GdipDeleteBrush(As<GpBrush>(brush));
}

Status FillRectangle(Graphics* graphics, SolidBrush* brush, float x, float y, float width, float height) {
  return GdipFillRectangle(As<GpGraphics>(graphics), As<GpBrush>(brush), x, y, width, height);
}

Status DrawString(Graphics* graphics, const char16_t* text, int length, const Font* font, const RectF* layout,
                  const StringFormat* format, const SolidBrush* brush) {
  return GdipDrawString(As<GpGraphics>(graphics), text, length, As<GpFont>(font), AsRect(layout),
                        As<GpStringFormat>(format), As<GpBrush>(brush));
}

Status CreatePath(int fill_mode, Path** path) {
  return GdipCreatePath(fill_mode, Out<GpPath>(path));
}

Status AddPathString(Path* path, const char16_t* text, int length, const FontFamily* family, int style,
                     float em_size, const RectF* layout, const StringFormat* format) {
  return GdipAddPathString(As<GpPath>(path), text, length, As<GpFontFamily>(family), style, em_size, AsRect(layout),
                           As<GpStringFormat>(format));
}

Status DeletePath(Path* path) {
  return GdipDeletePath(As<GpPath>(path));
}

Status CreatePen(ARGB color, float width, int unit, Pen** pen) {
  return GdipCreatePen1(color, width, unit, Out<GpPen>(pen));
}

Status SetPenLineJoin(Pen* pen, int line_join) {
  return GdipSetPenLineJoin(As<GpPen>(pen), line_join);
}

Status DeletePen(Pen* pen) {
  return GdipDeletePen(As<GpPen>(pen));
}

Status DrawPath(Graphics* graphics, Pen* pen, Path* path) {
  return GdipDrawPath(As<GpGraphics>(graphics), As<GpPen>(pen), As<GpPath>(path));
}

Status FillPath(Graphics* graphics, SolidBrush* brush, Path* path) {
  return GdipFillPath(As<GpGraphics>(graphics), As<GpBrush>(brush), As<GpPath>(path));
}

}  // namespace body

void Shutdown(uintptr_t token) { GdiplusShutdown(token); }

}  // namespace gdiplus
