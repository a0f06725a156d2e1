// Draws DisplayText with GDI+ into DIB section memory and hands that memory
// to the source's texture. Every GDI and GDI+ object lives within one update,
// and all of it runs under the process-wide GDI+ lock.
//
// When GDI+ cannot make the bitmap or its graphics, or there is no pixel
// memory, the update draws nothing and leaves `texture` and `textureSize` as
// they were: handing on memory nothing was drawn into would replace the last
// good texture with a blank one, and GDI+ would make a bitmap over memory of
// its own when given none.

#include "module/scene_source/texture_renderer.h"

#include "module/platform/gdiplus.h"
#include "module/platform/gdiplus_lock.h"
#include "module/platform/win32.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/font_description.h"
#include "module/scene_source/gdi_owners.h"
#include "module/scene_source/render_colors.h"
#include "module/scene_source/text_layout_format.h"
#include "module/scene_source/texture_size.h"
#include "module/scene_source/thanks_source.h"

namespace {

using gdiplus::Ok;

// The GDI+ font for a GDI font, as read through its 8-bit description.
OwnedFont MakeGdiplusFont(win::HDC dc, win::HFONT gdi_font) {
  gdiplus::Font* font = nullptr;
  win::LOGFONTA description{};
  if (win::GetObjectA(gdi_font, sizeof description, &description) != 0) {
    gdiplus::CreateFontFromLogfontA(dc, &description, &font);
  } else {
    gdiplus::CreateFontFromDC(dc, &font);
  }
  return OwnedFont(font);
}

OwnedGraphics MakeMeasuringGraphics(win::HDC dc) {
  gdiplus::Graphics* graphics = nullptr;
  gdiplus::CreateFromHDC(dc, &graphics);
  OwnedGraphics measuring(graphics);
  gdiplus::SetTextRenderingHint(measuring.get(), gdiplus::TextRenderingHintAntiAlias);
  return measuring;
}

// Writes the bounds of DisplayText into *box and widens it for the outline.
void MeasureDisplayText(const QuilloraThanksImage& source, gdiplus::Graphics* measuring, gdiplus::Font* font,
                        const gdiplus::StringFormat* format, gdiplus::RectF* box) {
  const gdiplus::RectF unbounded{0, 0, 0, 0};
  const gdiplus::Status status = gdiplus::MeasureString(
      measuring, DisplayText().Array(), static_cast<int>(DisplayText().Length()), font, &unbounded, format, box);
  if (status != Ok) AppWarning(u"TextSource::UpdateTexture: Gdiplus::Graphics::MeasureString failed: %u", status);
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
  gdiplus::Bitmap* bitmap = nullptr;
  gdiplus::CreateBitmapFromScan0(extent.width, extent.height, extent.width * 4, gdiplus::PixelFormat32bppARGB,
                                 surface->pixels, &bitmap);
  surface->bitmap.reset(bitmap);
  if (!bitmap) return false;
  gdiplus::Graphics* graphics = nullptr;
  gdiplus::GetImageGraphicsContext(bitmap, &graphics);
  surface->graphics.reset(graphics);
  return surface->graphics != nullptr;
}

void DrawBackground(gdiplus::Graphics* graphics, TextureExtent extent, const gdiplus::RectF& box,
                    gdiplus::ARGB background) {
  gdiplus::Status status;
  if (static_cast<float>(extent.width) > box.Width || static_cast<float>(extent.height) > box.Height) {
    // The texture is larger than the box: only the box gets the background.
    status = gdiplus::GraphicsClear(graphics, 0x00000000);
    gdiplus::SolidBrush* brush = nullptr;
    gdiplus::CreateSolidFill(background, &brush);
    OwnedBrush fill(brush);
    gdiplus::FillRectangle(graphics, fill.get(), box.X, box.Y, box.Width, box.Height);
  } else {
    status = gdiplus::GraphicsClear(graphics, background);
  }
  if (status != Ok) AppWarning(u"TextSource::UpdateTexture: Graphics::Clear failed: %u", status);
}

void SetRenderingModes(gdiplus::Graphics* graphics) {
  gdiplus::SetTextRenderingHint(graphics, gdiplus::TextRenderingHintAntiAlias);
  gdiplus::SetCompositingMode(graphics, gdiplus::CompositingModeSourceOver);
  gdiplus::SetSmoothingMode(graphics, gdiplus::SmoothingModeAntiAlias);
}

void DrawTextOutline(QuilloraThanksImage* source, gdiplus::Graphics* graphics, gdiplus::Path* path,
                     gdiplus::SolidBrush* text_brush) {
  gdiplus::Pen* created = nullptr;
  gdiplus::CreatePen(OutlineArgb(source->outlineColor, source->outlineOpacity, source->textOpacity),
                     source->outlineSize, gdiplus::UnitWorld, &created);
  OwnedPen pen(created);
  if (pen) {
    gdiplus::SetPenLineJoin(pen.get(), gdiplus::LineJoinRound);
    gdiplus::DrawPath(graphics, pen.get(), path);
  }
  gdiplus::FillPath(graphics, text_brush, path);
}

// Draws DisplayText as an outlined path, laid out `outlineSize` / 2 further
// right and down so that the outline stays inside the widened box.
void DrawOutlinedText(QuilloraThanksImage* source, gdiplus::Graphics* graphics, gdiplus::Font* font,
                      gdiplus::RectF box, const gdiplus::StringFormat* format, gdiplus::SolidBrush* text_brush) {
  const float offset = source->outlineSize * 0.5f;
  box.X += offset;
  box.Y += offset;
  gdiplus::Path* created = nullptr;
  gdiplus::CreatePath(gdiplus::FillModeAlternate, &created);
  OwnedPath path(created);
  gdiplus::FontFamily* family = nullptr;
  gdiplus::GetFamily(font, &family);
  OwnedFamily owned_family(family);
  int style = 0;
  gdiplus::GetFontStyle(font, &style);
  float em_size = 0;
  gdiplus::GetFontSize(font, &em_size);
  // Some GDI+ builds crash on a path or family that could not be made.
  if (!path || !family) return;
  gdiplus::AddPathString(path.get(), DisplayText().Array(), -1, family, style, em_size, &box, format);
  DrawTextOutline(source, graphics, path.get(), text_brush);
}

void DrawDisplayText(QuilloraThanksImage* source, gdiplus::Graphics* graphics, gdiplus::Font* font,
                     const gdiplus::RectF& box, const gdiplus::StringFormat* format, gdiplus::SolidBrush* text_brush) {
  if (source->outline) {
    DrawOutlinedText(source, graphics, font, box, format, text_brush);
    return;
  }
  const gdiplus::Status status = gdiplus::DrawString(graphics, DisplayText().Array(), -1, font, &box, format, text_brush);
  if (status != Ok) AppWarning(u"TextSource::UpdateTexture: Graphics::DrawString failed: %u", status);
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
  platform::GdiplusGuard lock;
  OwnedGdiFont gdi_font(CreateTextFont(source));
  if (!gdi_font) return;
  gdiplus::RectF box{0, 0, 32, 32};
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
  gdiplus::SolidBrush* created = nullptr;
  gdiplus::CreateSolidFill(TextArgb(source->color, source->textOpacity), &created);
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
