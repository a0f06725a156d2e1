#pragma once

// Owners for the GDI and GDI+ objects of one update or measurement: each
// releases its object when it goes out of scope or on reset(), so that every
// path out of a drawing releases what it made.

#include <memory>

#include "module/platform/gdiplus.h"
#include "module/platform/win32.h"

template <typename Object, auto Release>
struct Releaser {
  void operator()(Object* object) const { Release(object); }
};
template <typename Object, auto Release>
using Owned = std::unique_ptr<Object, Releaser<Object, Release>>;

inline win::BOOL DeleteGdiObject(void* object) { return win::DeleteObject(object); }

using OwnedGdiFont = Owned<win::HFONT__, DeleteGdiObject>;
using OwnedDibSection = Owned<win::HBITMAP__, DeleteGdiObject>;
using OwnedDC = Owned<win::HDC__, win::DeleteDC>;
using OwnedFont = Owned<gdiplus::Font, gdiplus::DeleteFont>;
using OwnedFamily = Owned<gdiplus::FontFamily, gdiplus::DeleteFontFamily>;
using OwnedFormat = Owned<gdiplus::StringFormat, gdiplus::DeleteStringFormat>;
using OwnedGraphics = Owned<gdiplus::Graphics, gdiplus::DeleteGraphics>;
using OwnedBitmap = Owned<gdiplus::Bitmap, gdiplus::DisposeBitmap>;
using OwnedBrush = Owned<gdiplus::SolidBrush, gdiplus::DeleteBrush>;
using OwnedPath = Owned<gdiplus::Path, gdiplus::DeletePath>;
using OwnedPen = Owned<gdiplus::Pen, gdiplus::DeletePen>;
