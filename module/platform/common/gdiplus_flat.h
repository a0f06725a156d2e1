#pragma once

// The GDI+ flat API functions that the implementations of module/platform/gdiplus.h
// call, declared by hand: the Linux GDI+ (libgdiplus) ships no headers, and
// <gdiplus.h> would pull in <windows.h>. The same C names link against
// gdiplus.dll on Windows. Only those implementations include this header.
// Text is UTF-16. Every function returns a GpStatus, 0 (Ok) on success, and
// is __stdcall on 32-bit Windows (WIN_GDIPAPI).

#include <cstdint>

#include "module/platform/win32.h"

extern "C" {

using GpStatus = int;
using ARGB = uint32_t;
using REAL = float;
using GpPixelFormat = int;

struct GpGraphics;
struct GpImage;
struct GpBitmap;
struct GpFont;
struct GpFontFamily;
struct GpStringFormat;
struct GpBrush;
struct GpSolidFill;
struct GpPath;
struct GpPen;

struct GpRectF {
  REAL X;
  REAL Y;
  REAL Width;
  REAL Height;
};

struct GpPointF {
  REAL X;
  REAL Y;
};

struct GdiplusStartupInput {
  uint32_t GdiplusVersion;
  void* DebugEventCallback;
  win::BOOL SuppressBackgroundThread;
  win::BOOL SuppressExternalCodecs;
};

constexpr GpPixelFormat PixelFormat32bppARGB = 0x26200A;
constexpr GpPixelFormat PixelFormat32bppPARGB = 0xE200B;

GpStatus WIN_GDIPAPI GdiplusStartup(uintptr_t* token, const GdiplusStartupInput* input, void* output);
void WIN_GDIPAPI GdiplusShutdown(uintptr_t token);

GpStatus WIN_GDIPAPI GdipCreateFontFromLogfontA(win::HDC dc, const win::LOGFONTA* logfont, GpFont** font);
GpStatus WIN_GDIPAPI GdipCreateFontFromLogfontW(win::HDC dc, const win::LOGFONTW* logfont, GpFont** font);
GpStatus WIN_GDIPAPI GdipCreateFontFromDC(win::HDC dc, GpFont** font);
GpStatus WIN_GDIPAPI GdipGetFamily(GpFont* font, GpFontFamily** family);
GpStatus WIN_GDIPAPI GdipGetFontSize(GpFont* font, REAL* size);
GpStatus WIN_GDIPAPI GdipGetFontStyle(GpFont* font, int* style);
GpStatus WIN_GDIPAPI GdipGetFontUnit(GpFont* font, int* unit);
GpStatus WIN_GDIPAPI GdipCreateFont(const GpFontFamily* family, REAL em_size, int style, int unit, GpFont** font);
GpStatus WIN_GDIPAPI GdipDeleteFont(GpFont* font);
GpStatus WIN_GDIPAPI GdipDeleteFontFamily(GpFontFamily* family);
GpStatus WIN_GDIPAPI GdipGetEmHeight(const GpFontFamily* family, int style, uint16_t* em_height);
GpStatus WIN_GDIPAPI GdipGetCellAscent(const GpFontFamily* family, int style, uint16_t* ascent);
GpStatus WIN_GDIPAPI GdipGetCellDescent(const GpFontFamily* family, int style, uint16_t* descent);

GpStatus WIN_GDIPAPI GdipStringFormatGetGenericTypographic(GpStringFormat** format);
GpStatus WIN_GDIPAPI GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** clone);
GpStatus WIN_GDIPAPI GdipSetStringFormatFlags(GpStringFormat* format, int flags);
GpStatus WIN_GDIPAPI GdipSetStringFormatTrimming(GpStringFormat* format, int trimming);
GpStatus WIN_GDIPAPI GdipDeleteStringFormat(GpStringFormat* format);

GpStatus WIN_GDIPAPI GdipCreateFromHDC(win::HDC dc, GpGraphics** graphics);
GpStatus WIN_GDIPAPI GdipCreateBitmapFromScan0(int width, int height, int stride, GpPixelFormat format, void* scan0,
                                               GpBitmap** bitmap);
GpStatus WIN_GDIPAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus WIN_GDIPAPI GdipSetTextRenderingHint(GpGraphics* graphics, int mode);
GpStatus WIN_GDIPAPI GdipSetCompositingMode(GpGraphics* graphics, int mode);
GpStatus WIN_GDIPAPI GdipSetSmoothingMode(GpGraphics* graphics, int mode);
GpStatus WIN_GDIPAPI GdipDeleteGraphics(GpGraphics* graphics);
GpStatus WIN_GDIPAPI GdipDisposeImage(GpImage* image);

GpStatus WIN_GDIPAPI GdipMeasureString(GpGraphics* graphics, const char16_t* text, int length, const GpFont* font,
                                       const GpRectF* layout, const GpStringFormat* format, GpRectF* bounds,
                                       int* codepoints_fitted, int* lines_filled);
GpStatus WIN_GDIPAPI GdipGraphicsClear(GpGraphics* graphics, ARGB color);
GpStatus WIN_GDIPAPI GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus WIN_GDIPAPI GdipDeleteBrush(GpBrush* brush);
GpStatus WIN_GDIPAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
GpStatus WIN_GDIPAPI GdipDrawString(GpGraphics* graphics, const char16_t* text, int length, const GpFont* font,
                                    const GpRectF* layout, const GpStringFormat* format, const GpBrush* brush);
GpStatus WIN_GDIPAPI GdipCreatePath(int fill_mode, GpPath** path);
GpStatus WIN_GDIPAPI GdipAddPathString(GpPath* path, const char16_t* text, int length, const GpFontFamily* family,
                                       int style, REAL em_size, const GpRectF* layout, const GpStringFormat* format);
GpStatus WIN_GDIPAPI GdipDeletePath(GpPath* path);
GpStatus WIN_GDIPAPI GdipCreatePen1(ARGB color, REAL width, int unit, GpPen** pen);
GpStatus WIN_GDIPAPI GdipSetPenLineJoin(GpPen* pen, int line_join);
GpStatus WIN_GDIPAPI GdipDeletePen(GpPen* pen);
GpStatus WIN_GDIPAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
GpStatus WIN_GDIPAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
GpStatus WIN_GDIPAPI GdipGetPointCount(GpPath* path, int* count);
GpStatus WIN_GDIPAPI GdipGetPathPoints(GpPath* path, GpPointF* points, int count);
GpStatus WIN_GDIPAPI GdipGetPathTypes(GpPath* path, uint8_t* types, int count);
GpStatus WIN_GDIPAPI GdipGetPathFillMode(GpPath* path, int* fill_mode);

}  // extern "C"
