// The GDI+ adapters hand our rectangles, points and start-up input to
// gdiplus.dll as they are, and call the flat API with its convention. The
// flat functions' convention is checked for all of them by the link on x86
// too: gdiplus.dll's import library names each __stdcall function with its
// argument size (GdipDeleteFont@4), which a declaration without WIN_GDIPAPI
// does not match. Ours come first: <gdiplus.h> defines names of ours
// (PixelFormat32bppARGB) as macros.

#include "module/platform/common/gdiplus_flat.h"

namespace ours {

constexpr GpPixelFormat kPixelFormats[] = {PixelFormat32bppARGB, PixelFormat32bppPARGB};

}  // namespace ours

// clang-format off
#include <windows.h>
#include <objidl.h>  // what <gdiplus.h> needs of what WIN32_LEAN_AND_MEAN leaves out
#include <gdiplus.h>
// clang-format on

#include "module/platform/windows/abi_checks.h"

namespace theirs = Gdiplus::DllExports;

ABI_SAME_SIZE(GpRectF, Gdiplus::RectF);
ABI_SAME_FIELD(GpRectF, Gdiplus::RectF, X);
ABI_SAME_FIELD(GpRectF, Gdiplus::RectF, Y);
ABI_SAME_FIELD(GpRectF, Gdiplus::RectF, Width);
ABI_SAME_FIELD(GpRectF, Gdiplus::RectF, Height);

ABI_SAME_SIZE(GpPointF, Gdiplus::PointF);
ABI_SAME_FIELD(GpPointF, Gdiplus::PointF, X);
ABI_SAME_FIELD(GpPointF, Gdiplus::PointF, Y);

ABI_SAME_SIZE(GdiplusStartupInput, Gdiplus::GdiplusStartupInput);
ABI_SAME_FIELD(GdiplusStartupInput, Gdiplus::GdiplusStartupInput, GdiplusVersion);
ABI_SAME_FIELD(GdiplusStartupInput, Gdiplus::GdiplusStartupInput, DebugEventCallback);
ABI_SAME_FIELD(GdiplusStartupInput, Gdiplus::GdiplusStartupInput, SuppressBackgroundThread);
ABI_SAME_FIELD(GdiplusStartupInput, Gdiplus::GdiplusStartupInput, SuppressExternalCodecs);

static_assert(sizeof(GpPixelFormat) == sizeof(Gdiplus::PixelFormat) && sizeof(ARGB) == sizeof(Gdiplus::ARGB));
static_assert(ours::kPixelFormats[0] == PixelFormat32bppARGB && ours::kPixelFormats[1] == PixelFormat32bppPARGB);

using platform::windows::SameConvention;
static_assert(SameConvention(&::GdiplusStartup, &Gdiplus::GdiplusStartup));
static_assert(SameConvention(&::GdipCreateFontFromLogfontW, &theirs::GdipCreateFontFromLogfontW));
static_assert(SameConvention(&::GdipDrawString, &theirs::GdipDrawString));
