// Draws DisplayText with GDI+ into DIB section memory and hands that memory
// to the source's texture. Every GDI and GDI+ object lives within one update,
// and all of it runs under the process-wide GDI+ lock.
//
// When GDI+ cannot make the bitmap or its graphics, or there is no pixel
// memory, the update draws nothing and leaves `texture` and `textureSize` as
// they were: handing on memory nothing was drawn into would replace the last
// good texture with a blank one, and GDI+ would make a bitmap over memory of
// its own when given none.

#include "source/texture_renderer.h"

#include "platform/gdiplus_flat.h"
#include "platform/gdiplus_lock.h"
#include "platform/win32.h"
#include "source/display_text.h"
#include "source/font_description.h"
#include "source/gdi_owners.h"
#include "source/render_colors.h"
#include "source/text_layout_format.h"
#include "source/texture_size.h"
#include "source/thanks_source.h"

namespace {

constexpr GpStatus kOk = 0;

// The GDI+ font for a GDI font, as read through its 8-bit description.
OwnedFont MakeGdiplusFont(win::HDC dc, win::HFONT gdi_font) {
  GpFont* font = nullptr;
  win::LOGFONTA description{};
  if (win::GetObjectA(gdi_font, sizeof description, &description) != 0) {
    GdipCreateFontFromLogfontA(dc, &description, &font);
  } else {
    GdipCreateFontFromDC(dc, &font);
  }
  return OwnedFont(font);
}

OwnedGraphics MakeMeasuringGraphics(win::HDC dc) {
  GpGraphics* graphics = nullptr;
  GdipCreateFromHDC(dc, &graphics);
  OwnedGraphics measuring(graphics);
  GdipSetTextRenderingHint(measuring.get(), TextRenderingHintAntiAlias);
  return measuring;
}

// Writes the bounds of DisplayText into *box and widens it for the outline.
void MeasureDisplayText(const QuilloraThanksImage& source, GpGraphics* measuring, GpFont* font,
                        const GpStringFormat* format, GpRectF* box) {
  const GpRectF unbounded{0, 0, 0, 0};
  const GpStatus status = GdipMeasureString(measuring, DisplayText().Array(), static_cast<int>(DisplayText().Length()),
                                            font, &unbounded, format, box, nullptr, nullptr);
  if (status != kOk) AppWarning(u"TextSource::UpdateTexture: Gdiplus::Graphics::MeasureString failed: %u", status);
  if (source.outline) {
    box->Width += source.outlineSize;
    box->Height += source.outlineSize;
  }
}

// Pixel memory of the texture size and a GDI+ bitmap and graphics over it.
// Destruction releases the graphics, then the bitmap, then the DIB section
// whose memory the bitmap draws on, then the DC.
struct DrawingSurface {
  OwnedDC memory_dc;
  OwnedDibSection dib;
  OwnedBitmap bitmap;
  OwnedGraphics graphics;
  void* pixels = nullptr;
};

// False when any part of the surface could not be made.
bool MakeDrawingSurface(TextureExtent extent, DrawingSurface* surface) {
  surface->memory_dc.reset(win::CreateCompatibleDC(nullptr));
  win::BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(win::BITMAPINFOHEADER);
  info.bmiHeader.biWidth = extent.width;
  info.bmiHeader.biHeight = extent.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  surface->dib.reset(win::CreateDIBSection(surface->memory_dc.get(), &info, 0, &surface->pixels, nullptr, 0));
  if (!surface->pixels) return false;
  GpBitmap* bitmap = nullptr;
  GdipCreateBitmapFromScan0(extent.width, extent.height, extent.width * 4, PixelFormat32bppARGB, surface->pixels,
                            &bitmap);
  surface->bitmap.reset(bitmap);
  GpGraphics* graphics = nullptr;
  GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics);
  surface->graphics.reset(graphics);
  return surface->graphics != nullptr;
}

void DrawBackground(GpGraphics* graphics, TextureExtent extent, const GpRectF& box, ARGB background) {
  GpStatus status;
  if (static_cast<float>(extent.width) > box.Width || static_cast<float>(extent.height) > box.Height) {
    // The texture is larger than the box: only the box gets the background.
    status = GdipGraphicsClear(graphics, 0x00000000);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(background, &brush);
    OwnedBrush fill(brush);
    GdipFillRectangle(graphics, reinterpret_cast<GpBrush*>(fill.get()), box.X, box.Y, box.Width, box.Height);
  } else {
    status = GdipGraphicsClear(graphics, background);
  }
  if (status != kOk) AppWarning(u"TextSource::UpdateTexture: Graphics::Clear failed: %u", status);
}

void SetRenderingModes(GpGraphics* graphics) {
  GdipSetTextRenderingHint(graphics, TextRenderingHintAntiAlias);
  GdipSetCompositingMode(graphics, CompositingModeSourceOver);
  GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias);
}

void DrawTextOutline(QuilloraThanksImage* source, GpGraphics* graphics, GpPath* path, GpSolidFill* text_brush) {
  GpPen* created = nullptr;
  GdipCreatePen1(OutlineArgb(source->outlineColor, source->outlineOpacity, source->textOpacity), source->outlineSize,
                 UnitWorld, &created);
  OwnedPen pen(created);
  GdipSetPenLineJoin(pen.get(), LineJoinRound);
  GdipDrawPath(graphics, pen.get(), path);
  GdipFillPath(graphics, reinterpret_cast<GpBrush*>(text_brush), path);
}

// Draws DisplayText as an outlined path, laid out `outlineSize` / 2 further
// right and down so that the outline stays inside the widened box.
void DrawOutlinedText(QuilloraThanksImage* source, GpGraphics* graphics, GpFont* font, GpRectF box,
                      const GpStringFormat* format, GpSolidFill* text_brush) {
  const float offset = source->outlineSize * 0.5f;
  box.X += offset;
  box.Y += offset;
  GpPath* created = nullptr;
  GdipCreatePath(FillModeAlternate, &created);
  OwnedPath path(created);
  GpFontFamily* family = nullptr;
  GdipGetFamily(font, &family);
  OwnedFamily owned_family(family);
  int style = 0;
  GdipGetFontStyle(font, &style);
  REAL em_size = 0;
  GdipGetFontSize(font, &em_size);
  GdipAddPathString(path.get(), DisplayText().Array(), -1, family, style, em_size, &box, format);
  DrawTextOutline(source, graphics, path.get(), text_brush);
}

void DrawDisplayText(QuilloraThanksImage* source, GpGraphics* graphics, GpFont* font, const GpRectF& box,
                     const GpStringFormat* format, GpSolidFill* text_brush) {
  if (source->outline) {
    DrawOutlinedText(source, graphics, font, box, format, text_brush);
    return;
  }
  const GpStatus status =
      GdipDrawString(graphics, DisplayText().Array(), -1, font, &box, format, reinterpret_cast<GpBrush*>(text_brush));
  if (status != kOk) AppWarning(u"TextSource::UpdateTexture: Graphics::DrawString failed: %u", status);
}

// Refills the texture when the size is unchanged, otherwise makes a new one.
// A texture that could not be made is not tried again at the same size.
void HandToTexture(QuilloraThanksImage* source, TextureExtent extent, const void* pixels) {
  if (source->textureSize.width == extent.width && source->textureSize.height == extent.height) {
    if (source->texture) source->texture->UploadPixels(pixels, GS_IMAGEFORMAT_BGRA, extent.width * 4);
    return;
  }
  delete source->texture;
  source->texture = nullptr;
  source->textureSize.width = extent.width;
  source->textureSize.height = extent.height;
  source->texture = GS->MakeTexture(extent.width, extent.height, GS_BGRA, pixels, false, false);
}

// The source's font, or Arial when it has no face or GDI has no such font.
win::HFONT CreateTextFont(QuilloraThanksImage* source) {
  const auto describe = [source](const char16_t* face) {
    return DescribeTextFont(face, source->fontSize, source->bold, source->italic, source->underline);
  };
  if (source->font.IsValid()) {
    const win::LOGFONTW description = describe(source->font.Array());
    if (win::HFONT font = win::CreateFontIndirectW(&description)) return font;
  }
  const win::LOGFONTW arial = describe(u"Arial");
  return win::CreateFontIndirectW(&arial);
}

}  // namespace

void UpdateTexture(QuilloraThanksImage* source) {
  platform::GdiplusGuard gdiplus;
  OwnedGdiFont gdi_font(CreateTextFont(source));
  if (!gdi_font) return;
  GpRectF box{0, 0, 32, 32};
  const OwnedFormat format = CreateTextLayoutFormat();
  const bool has_text = DisplayText().IsValid();

  OwnedDC measuring_dc(win::CreateCompatibleDC(nullptr));
  const OwnedFont font = MakeGdiplusFont(measuring_dc.get(), gdi_font.get());
  OwnedGraphics measuring = MakeMeasuringGraphics(measuring_dc.get());
  if (has_text) MeasureDisplayText(*source, measuring.get(), font.get(), format.get(), &box);
  measuring.reset();
  measuring_dc.reset();
  gdi_font.reset();

  const TextureExtent extent = ApplySizeRule(source->fontSize, &box);
  DrawingSurface surface;
  if (!MakeDrawingSurface(extent, &surface)) return;
  GpSolidFill* created = nullptr;
  GdipCreateSolidFill(TextArgb(source->color, source->textOpacity), &created);
  OwnedBrush text_brush(created);
  DrawBackground(surface.graphics.get(), extent, box,
                 BackgroundArgb(source->backgroundColor, source->backgroundOpacity, has_text));
  SetRenderingModes(surface.graphics.get());
  if (has_text) DrawDisplayText(source, surface.graphics.get(), font.get(), box, format.get(), text_brush.get());
  text_brush.reset();
  // Releasing the graphics also finishes its drawing into the pixel memory.
  surface.graphics.reset();
  HandToTexture(source, extent, surface.pixels);
}
