#pragma once

// Owners for the GDI and GDI+ objects of one update or measurement: each
// releases its object when it goes out of scope or on reset(), so that every
// path out of a drawing releases what it made.

#include <memory>

#include "platform/gdiplus_flat.h"
#include "platform/win32.h"

template <typename Object, auto Release>
struct Releaser {
  void operator()(Object* object) const { Release(object); }
};
template <typename Object, auto Release>
using Owned = std::unique_ptr<Object, Releaser<Object, Release>>;

inline win::BOOL DeleteGdiObject(void* object) { return win::DeleteObject(object); }
inline GpStatus DeleteSolidFill(GpSolidFill* brush) { return GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush)); }
inline GpStatus DisposeBitmap(GpBitmap* bitmap) { return GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap)); }

using OwnedGdiFont = Owned<win::HFONT__, DeleteGdiObject>;
using OwnedDibSection = Owned<win::HBITMAP__, DeleteGdiObject>;
using OwnedDC = Owned<win::HDC__, win::DeleteDC>;
using OwnedFont = Owned<GpFont, GdipDeleteFont>;
using OwnedFamily = Owned<GpFontFamily, GdipDeleteFontFamily>;
using OwnedFormat = Owned<GpStringFormat, GdipDeleteStringFormat>;
using OwnedGraphics = Owned<GpGraphics, GdipDeleteGraphics>;
using OwnedBitmap = Owned<GpBitmap, DisposeBitmap>;
using OwnedBrush = Owned<GpSolidFill, DeleteSolidFill>;
using OwnedPath = Owned<GpPath, GdipDeletePath>;
using OwnedPen = Owned<GpPen, GdipDeletePen>;
