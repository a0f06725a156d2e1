// platform/gdiplus.h on Windows: each function passes straight through to
// gdiplus.dll, after the test fault hook. The interface's object types are
// the flat API's, under names of their own.

#include "platform/gdiplus.h"

#include "platform/common/gdiplus_flat.h"
#include "platform/gdiplus_faults.h"
#include "platform/windows/same_layout_cast.h"

namespace gdiplus {
namespace {

using platform::windows::As;

template <typename Flat, typename Ours>
Flat** Out(Ours** ours) {
  return reinterpret_cast<Flat**>(ours);
}
const GpRectF* AsRect(const RectF* rect) { return reinterpret_cast<const GpRectF*>(rect); }

}  // namespace

Status Startup(uintptr_t* token) {
  if (const Status fault = InjectedStatus(Operation::Startup)) return fault;
  const GdiplusStartupInput input{1, nullptr, 0, 0};
  return GdiplusStartup(token, &input, nullptr);
}

void Shutdown(uintptr_t token) { GdiplusShutdown(token); }

Status CreateFontFromLogfontA(win::HDC dc, const win::LOGFONTA* logfont, Font** font) {
  if (const Status fault = InjectedStatus(Operation::CreateFontFromLogfontA, font)) return fault;
  return GdipCreateFontFromLogfontA(dc, logfont, Out<GpFont>(font));
}

Status CreateFontFromLogfontW(win::HDC dc, const win::LOGFONTW* logfont, Font** font) {
  if (const Status fault = InjectedStatus(Operation::CreateFontFromLogfontW, font)) return fault;
  return GdipCreateFontFromLogfontW(dc, logfont, Out<GpFont>(font));
}

Status CreateFontFromDC(win::HDC dc, Font** font) {
  if (const Status fault = InjectedStatus(Operation::CreateFontFromDC, font)) return fault;
  return GdipCreateFontFromDC(dc, Out<GpFont>(font));
}

Status GetFamily(Font* font, FontFamily** family) {
  if (const Status fault = InjectedStatus(Operation::GetFamily, family)) return fault;
  return GdipGetFamily(As<GpFont>(font), Out<GpFontFamily>(family));
}

Status GetFontSize(Font* font, float* em_size) {
  if (const Status fault = InjectedStatus(Operation::GetFontSize)) return fault;
  return GdipGetFontSize(As<GpFont>(font), em_size);
}

Status GetFontStyle(Font* font, int* style) {
  if (const Status fault = InjectedStatus(Operation::GetFontStyle)) return fault;
  return GdipGetFontStyle(As<GpFont>(font), style);
}

Status DeleteFont(Font* font) {
  if (const Status fault = InjectedStatus(Operation::DeleteFont)) return fault;
  return GdipDeleteFont(As<GpFont>(font));
}

Status DeleteFontFamily(FontFamily* family) {
  if (const Status fault = InjectedStatus(Operation::DeleteFontFamily)) return fault;
  return GdipDeleteFontFamily(As<GpFontFamily>(family));
}

Status StringFormatGetGenericTypographic(StringFormat** format) {
  if (const Status fault = InjectedStatus(Operation::StringFormatGetGenericTypographic, format)) return fault;
  return GdipStringFormatGetGenericTypographic(Out<GpStringFormat>(format));
}

Status CloneStringFormat(const StringFormat* format, StringFormat** clone) {
  if (const Status fault = InjectedStatus(Operation::CloneStringFormat, clone)) return fault;
  return GdipCloneStringFormat(As<GpStringFormat>(format), Out<GpStringFormat>(clone));
}

Status SetStringFormatFlags(StringFormat* format, int flags) {
  if (const Status fault = InjectedStatus(Operation::SetStringFormatFlags)) return fault;
  return GdipSetStringFormatFlags(As<GpStringFormat>(format), flags);
}

Status SetStringFormatTrimming(StringFormat* format, int trimming) {
  if (const Status fault = InjectedStatus(Operation::SetStringFormatTrimming)) return fault;
  return GdipSetStringFormatTrimming(As<GpStringFormat>(format), trimming);
}

Status DeleteStringFormat(StringFormat* format) {
  if (const Status fault = InjectedStatus(Operation::DeleteStringFormat)) return fault;
  return GdipDeleteStringFormat(As<GpStringFormat>(format));
}

Status CreateFromHDC(win::HDC dc, Graphics** graphics) {
  if (const Status fault = InjectedStatus(Operation::CreateFromHDC, graphics)) return fault;
  return GdipCreateFromHDC(dc, Out<GpGraphics>(graphics));
}

Status CreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, void* scan0, Bitmap** bitmap) {
  if (const Status fault = InjectedStatus(Operation::CreateBitmapFromScan0, bitmap)) return fault;
  return GdipCreateBitmapFromScan0(width, height, stride, format, scan0, Out<GpBitmap>(bitmap));
}

Status GetImageGraphicsContext(Bitmap* bitmap, Graphics** graphics) {
  if (const Status fault = InjectedStatus(Operation::GetImageGraphicsContext, graphics)) return fault;
  return GdipGetImageGraphicsContext(As<GpImage>(bitmap), Out<GpGraphics>(graphics));
}

Status SetTextRenderingHint(Graphics* graphics, int hint) {
  if (const Status fault = InjectedStatus(Operation::SetTextRenderingHint)) return fault;
  return GdipSetTextRenderingHint(As<GpGraphics>(graphics), hint);
}

Status SetCompositingMode(Graphics* graphics, int mode) {
  if (const Status fault = InjectedStatus(Operation::SetCompositingMode)) return fault;
  return GdipSetCompositingMode(As<GpGraphics>(graphics), mode);
}

Status SetSmoothingMode(Graphics* graphics, int mode) {
  if (const Status fault = InjectedStatus(Operation::SetSmoothingMode)) return fault;
  return GdipSetSmoothingMode(As<GpGraphics>(graphics), mode);
}

Status DeleteGraphics(Graphics* graphics) {
  if (const Status fault = InjectedStatus(Operation::DeleteGraphics)) return fault;
  return GdipDeleteGraphics(As<GpGraphics>(graphics));
}

Status DisposeBitmap(Bitmap* bitmap) {
  if (const Status fault = InjectedStatus(Operation::DisposeBitmap)) return fault;
  return GdipDisposeImage(As<GpImage>(bitmap));
}

Status MeasureString(Graphics* graphics, const char16_t* text, int length, const Font* font, const RectF* layout,
                     const StringFormat* format, RectF* bounds) {
  if (const Status fault = InjectedStatus(Operation::MeasureString)) return fault;
  return GdipMeasureString(As<GpGraphics>(graphics), text, length, As<GpFont>(font), AsRect(layout),
                           As<GpStringFormat>(format), reinterpret_cast<GpRectF*>(bounds), nullptr, nullptr);
}

Status GraphicsClear(Graphics* graphics, ARGB color) {
  if (const Status fault = InjectedStatus(Operation::GraphicsClear)) return fault;
  return GdipGraphicsClear(As<GpGraphics>(graphics), color);
}

Status CreateSolidFill(ARGB color, SolidBrush** brush) {
  if (const Status fault = InjectedStatus(Operation::CreateSolidFill, brush)) return fault;
  return GdipCreateSolidFill(color, Out<GpSolidFill>(brush));
}

Status DeleteBrush(SolidBrush* brush) {
  if (const Status fault = InjectedStatus(Operation::DeleteBrush)) return fault;
  return GdipDeleteBrush(As<GpBrush>(brush));
}

Status FillRectangle(Graphics* graphics, SolidBrush* brush, float x, float y, float width, float height) {
  if (const Status fault = InjectedStatus(Operation::FillRectangle)) return fault;
  return GdipFillRectangle(As<GpGraphics>(graphics), As<GpBrush>(brush), x, y, width, height);
}

Status DrawString(Graphics* graphics, const char16_t* text, int length, const Font* font, const RectF* layout,
                  const StringFormat* format, const SolidBrush* brush) {
  if (const Status fault = InjectedStatus(Operation::DrawString)) return fault;
  return GdipDrawString(As<GpGraphics>(graphics), text, length, As<GpFont>(font), AsRect(layout),
                        As<GpStringFormat>(format), As<GpBrush>(brush));
}

Status CreatePath(int fill_mode, Path** path) {
  if (const Status fault = InjectedStatus(Operation::CreatePath, path)) return fault;
  return GdipCreatePath(fill_mode, Out<GpPath>(path));
}

Status AddPathString(Path* path, const char16_t* text, int length, const FontFamily* family, int style,
                     float em_size, const RectF* layout, const StringFormat* format) {
  if (const Status fault = InjectedStatus(Operation::AddPathString)) return fault;
  return GdipAddPathString(As<GpPath>(path), text, length, As<GpFontFamily>(family), style, em_size, AsRect(layout),
                           As<GpStringFormat>(format));
}

Status DeletePath(Path* path) {
  if (const Status fault = InjectedStatus(Operation::DeletePath)) return fault;
  return GdipDeletePath(As<GpPath>(path));
}

Status CreatePen(ARGB color, float width, int unit, Pen** pen) {
  if (const Status fault = InjectedStatus(Operation::CreatePen, pen)) return fault;
  return GdipCreatePen1(color, width, unit, Out<GpPen>(pen));
}

Status SetPenLineJoin(Pen* pen, int line_join) {
  if (const Status fault = InjectedStatus(Operation::SetPenLineJoin)) return fault;
  return GdipSetPenLineJoin(As<GpPen>(pen), line_join);
}

Status DeletePen(Pen* pen) {
  if (const Status fault = InjectedStatus(Operation::DeletePen)) return fault;
  return GdipDeletePen(As<GpPen>(pen));
}

Status DrawPath(Graphics* graphics, Pen* pen, Path* path) {
  if (const Status fault = InjectedStatus(Operation::DrawPath)) return fault;
  return GdipDrawPath(As<GpGraphics>(graphics), As<GpPen>(pen), As<GpPath>(path));
}

Status FillPath(Graphics* graphics, SolidBrush* brush, Path* path) {
  if (const Status fault = InjectedStatus(Operation::FillPath)) return fault;
  return GdipFillPath(As<GpGraphics>(graphics), As<GpBrush>(brush), As<GpPath>(path));
}

}  // namespace gdiplus
