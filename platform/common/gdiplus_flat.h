#pragma once

// The GDI+ flat API functions that the implementations of platform/gdiplus.h
// call, declared by hand: the Linux GDI+ (libgdiplus) ships no headers, and
// <gdiplus.h> would pull in <windows.h>. The same C names link against
// gdiplus.dll on Windows. Only those implementations include this header.
// Text is UTF-16. Every function returns a GpStatus, 0 (Ok) on success.

#include <cstdint>

#include "platform/win32.h"

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

GpStatus GdiplusStartup(uintptr_t* token, const GdiplusStartupInput* input, void* output);
void GdiplusShutdown(uintptr_t token);

GpStatus GdipCreateFontFromLogfontA(win::HDC dc, const win::LOGFONTA* logfont, GpFont** font);
GpStatus GdipCreateFontFromLogfontW(win::HDC dc, const win::LOGFONTW* logfont, GpFont** font);
GpStatus GdipCreateFontFromDC(win::HDC dc, GpFont** font);
GpStatus GdipGetFamily(GpFont* font, GpFontFamily** family);
GpStatus GdipGetFontSize(GpFont* font, REAL* size);
GpStatus GdipGetFontStyle(GpFont* font, int* style);
GpStatus GdipGetFontUnit(GpFont* font, int* unit);
GpStatus GdipCreateFont(const GpFontFamily* family, REAL em_size, int style, int unit, GpFont** font);
GpStatus GdipDeleteFont(GpFont* font);
GpStatus GdipDeleteFontFamily(GpFontFamily* family);
GpStatus GdipGetEmHeight(const GpFontFamily* family, int style, uint16_t* em_height);
GpStatus GdipGetCellAscent(const GpFontFamily* family, int style, uint16_t* ascent);
GpStatus GdipGetCellDescent(const GpFontFamily* family, int style, uint16_t* descent);

GpStatus GdipStringFormatGetGenericTypographic(GpStringFormat** format);
GpStatus GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** clone);
GpStatus GdipSetStringFormatFlags(GpStringFormat* format, int flags);
GpStatus GdipSetStringFormatTrimming(GpStringFormat* format, int trimming);
GpStatus GdipDeleteStringFormat(GpStringFormat* format);

GpStatus GdipCreateFromHDC(win::HDC dc, GpGraphics** graphics);
GpStatus GdipCreateBitmapFromScan0(int width, int height, int stride, GpPixelFormat format, void* scan0,
                                   GpBitmap** bitmap);
GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus GdipSetTextRenderingHint(GpGraphics* graphics, int mode);
GpStatus GdipSetCompositingMode(GpGraphics* graphics, int mode);
GpStatus GdipSetSmoothingMode(GpGraphics* graphics, int mode);
GpStatus GdipDeleteGraphics(GpGraphics* graphics);
GpStatus GdipDisposeImage(GpImage* image);

GpStatus GdipMeasureString(GpGraphics* graphics, const char16_t* text, int length, const GpFont* font,
                           const GpRectF* layout, const GpStringFormat* format, GpRectF* bounds,
                           int* codepoints_fitted, int* lines_filled);
GpStatus GdipGraphicsClear(GpGraphics* graphics, ARGB color);
GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus GdipDeleteBrush(GpBrush* brush);
GpStatus GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipDrawString(GpGraphics* graphics, const char16_t* text, int length, const GpFont* font,
                        const GpRectF* layout, const GpStringFormat* format, const GpBrush* brush);
GpStatus GdipCreatePath(int fill_mode, GpPath** path);
GpStatus GdipAddPathString(GpPath* path, const char16_t* text, int length, const GpFontFamily* family, int style,
                           REAL em_size, const GpRectF* layout, const GpStringFormat* format);
GpStatus GdipDeletePath(GpPath* path);
GpStatus GdipCreatePen1(ARGB color, REAL width, int unit, GpPen** pen);
GpStatus GdipSetPenLineJoin(GpPen* pen, int line_join);
GpStatus GdipDeletePen(GpPen* pen);
GpStatus GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
GpStatus GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
GpStatus GdipGetPointCount(GpPath* path, int* count);
GpStatus GdipGetPathPoints(GpPath* path, GpPointF* points, int count);
GpStatus GdipGetPathTypes(GpPath* path, uint8_t* types, int count);
GpStatus GdipGetPathFillMode(GpPath* path, int* fill_mode);

}  // extern "C"
