// Fonts: libgdiplus's, with font heights as Win32 reads
// them. In a LOGFONT, Win32 takes a positive lfHeight as the cell height
// (ascent + descent) and a negative one as the em height; libgdiplus takes
// either as the em height, so its text would come out 12-26% too large. For
// a positive height the font libgdiplus makes is remade at the em size that
// its face's metrics give for that cell height.

#include <cstring>

#include "module/platform/common/gdiplus_operation_frame.h"
#include "standins/gdi/logfont_fields.h"
#include "standins/gdiplus/objects.h"

namespace gdiplus {
namespace {

// Replaces *font by the same font at the em size that its face's metrics
// give for `cell_height`. When that cannot be made, libgdiplus's font stays:
// too large beats none.
void SizeByCell(win::LONG cell_height, GpFont** font) {
  GpFontFamily* family = nullptr;
  if (GdipGetFamily(*font, &family) != Ok) return;
  int style = 0, unit = 0;
  uint16_t em = 0, ascent = 0, descent = 0;
  GpFont* sized = nullptr;
  if (GdipGetFontStyle(*font, &style) == Ok && GdipGetFontUnit(*font, &unit) == Ok &&
      GdipGetEmHeight(family, style, &em) == Ok && GdipGetCellAscent(family, style, &ascent) == Ok &&
      GdipGetCellDescent(family, style, &descent) == Ok && ascent + descent > 0 &&
      GdipCreateFont(family, static_cast<REAL>(cell_height) * em / static_cast<REAL>(ascent + descent), style, unit,
                     &sized) == Ok) {
    GdipDeleteFont(*font);
    *font = sized;
  }
  GdipDeleteFontFamily(family);
}

template <typename LogFont>
Status CreateSizedByCell(GpStatus (*create)(win::HDC, const LogFont*, GpFont**), win::HDC dc,
                         const LogFont* logfont, Font** font) {
  if (!logfont) return InvalidParameter;
  GpFont* made = nullptr;
  const Status status = create(dc, logfont, &made);
  if (status != Ok) return status;
  if (logfont->lfHeight > 0) SizeByCell(logfont->lfHeight, &made);
  *font = reinterpret_cast<Font*>(made);
  return Ok;
}

// Windows' GDI+ reads a LOGFONTA's face in the ANSI code page, where
// libgdiplus would read UTF-8: the face goes on as UTF-16.
win::LOGFONTW Widened(const win::LOGFONTA& narrow) {
  win::LOGFONTW wide = gdi::WithFieldsOf<win::LOGFONTW>(narrow);
  const int bytes = static_cast<int>(strnlen(narrow.lfFaceName, sizeof narrow.lfFaceName));
  if (bytes > 0) win::MultiByteToWideChar(win::CP_ACP, 0, narrow.lfFaceName, bytes, wide.lfFaceName, 31);
  return wide;
}

}  // namespace

namespace body {

Status CreateFontFromLogfontA(win::HDC dc, const win::LOGFONTA* logfont, Font** font) {
  if (!logfont) return InvalidParameter;
  const win::LOGFONTW wide = Widened(*logfont);
  return CreateSizedByCell(GdipCreateFontFromLogfontW, dc, &wide, font);
}

Status CreateFontFromLogfontW(win::HDC dc, const win::LOGFONTW* logfont, Font** font) {
  return CreateSizedByCell(GdipCreateFontFromLogfontW, dc, logfont, font);
}

Status CreateFontFromDC(win::HDC dc, Font** font) {
  return GdipCreateFontFromDC(dc, reinterpret_cast<GpFont**>(font));
}

Status GetFamily(Font* font, FontFamily** family) {
  return GdipGetFamily(Native(font), reinterpret_cast<GpFontFamily**>(family));
}

Status GetFontSize(Font* font, float* em_size) {
  return GdipGetFontSize(Native(font), em_size);
}

Status GetFontStyle(Font* font, int* style) {
  return GdipGetFontStyle(Native(font), style);
}

Status DeleteFont(Font* font) {
  return GdipDeleteFont(Native(font));
}

Status DeleteFontFamily(FontFamily* family) {
  return GdipDeleteFontFamily(Native(family));
}

}  // namespace body

}  // namespace gdiplus
