// gdi32 services of module/platform/win32.h, passed through.

#include "module/platform/windows/win32/passthrough_calls.h"
#include "module/platform/windows/win32/real_types.h"

namespace win {

using real::As;
using real::Back;

HGDIOBJ GetStockObject(int object) { return ::GetStockObject(object); }

HFONT passthrough::CreateFontIndirectW(const LOGFONTW* font) {
  return Back<HFONT>(::CreateFontIndirectW(As<::LOGFONTW>(font)));
}

int GetObjectA(HGDIOBJ object, int size, void* out) { return ::GetObjectA(object, size, out); }

HDC CreateCompatibleDC(HDC dc) { return Back<HDC>(::CreateCompatibleDC(As<::HDC__>(dc))); }

HBITMAP passthrough::CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section,
                                      DWORD offset) {
  return Back<HBITMAP>(::CreateDIBSection(As<::HDC__>(dc), As<::BITMAPINFO>(info), usage, bits, section, offset));
}

BOOL DeleteObject(HGDIOBJ object) { return ::DeleteObject(object); }

BOOL DeleteDC(HDC dc) { return ::DeleteDC(As<::HDC__>(dc)); }

}  // namespace win
