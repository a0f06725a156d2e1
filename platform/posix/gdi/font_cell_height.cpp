// Font heights as Win32 reads them. In a LOGFONT, Win32 takes a positive
// lfHeight as the cell height (ascent + descent) and a negative one as the em
// height; libgdiplus takes either as the em height, so its text comes out
// 12-26% too large. These definitions hide libgdiplus's (see
// next_definition.h): for a positive height they remake the font libgdiplus
// made at the em size that its face's metrics give for that cell height.
// GetObjectA hands out LOGFONTA, and measuring code builds LOGFONTW itself,
// so both entry points are covered.

#include "platform/gdiplus_flat.h"
#include "platform/gdiplus_lock.h"
#include "platform/posix/gdi/next_definition.h"
#include "platform_export.h"

namespace {

constexpr GpStatus kOk = 0;

// Replaces *font by the same font at the em size that its face's metrics
// give for `cell_height`. When that cannot be made, libgdiplus's font stays:
// too large beats none.
void SizeByCell(win::LONG cell_height, GpFont** font) {
  GpFontFamily* family = nullptr;
  if (GdipGetFamily(*font, &family) != kOk) return;
  int style = 0, unit = 0;
  uint16_t em = 0, ascent = 0, descent = 0;
  GpFont* sized = nullptr;
  if (GdipGetFontStyle(*font, &style) == kOk && GdipGetFontUnit(*font, &unit) == kOk &&
      GdipGetEmHeight(family, style, &em) == kOk && GdipGetCellAscent(family, style, &ascent) == kOk &&
      GdipGetCellDescent(family, style, &descent) == kOk && ascent + descent > 0 &&
      GdipCreateFont(family, static_cast<REAL>(cell_height) * em / static_cast<REAL>(ascent + descent), style, unit,
                     &sized) == kOk) {
    GdipDeleteFont(*font);
    *font = sized;
  }
  GdipDeleteFontFamily(family);
}

// The original's font, remade at the em size a positive cell height means.
template <class LogFont>
GpStatus CreateSizedByCell(GpStatus (*original)(win::HDC, const LogFont*, GpFont**), win::HDC dc,
                           const LogFont* logfont, GpFont** font) {
  platform::GdiplusGuard guard;
  const GpStatus status = original(dc, logfont, font);
  if (status == kOk && logfont->lfHeight > 0) SizeByCell(logfont->lfHeight, font);
  return status;
}

}  // namespace

extern "C" {

PLATFORM_EXPORT GpStatus GdipCreateFontFromLogfontW(win::HDC dc, const win::LOGFONTW* logfont, GpFont** font) {
  static const auto original = gdi::NextDefinition<decltype(GdipCreateFontFromLogfontW)>("GdipCreateFontFromLogfontW");
  return CreateSizedByCell(original, dc, logfont, font);
}

PLATFORM_EXPORT GpStatus GdipCreateFontFromLogfontA(win::HDC dc, const win::LOGFONTA* logfont, GpFont** font) {
  static const auto original = gdi::NextDefinition<decltype(GdipCreateFontFromLogfontA)>("GdipCreateFontFromLogfontA");
  return CreateSizedByCell(original, dc, logfont, font);
}

}  // extern "C"
