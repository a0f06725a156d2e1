#pragma once

// The GDI+ flat API functions this project calls, declared by hand: the Linux
// GDI+ (libgdiplus) ships no headers, and <gdiplus.h> would pull in
// <windows.h>. The same C names link against gdiplus.dll on Windows.
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

struct GpRect {
  int X;
  int Y;
  int Width;
  int Height;
};

// Win32's BitmapData; libgdiplus writes a larger one, so lock with
// GdipBitmapDataStorage rather than this struct alone.
struct GpBitmapData {
  uint32_t Width;
  uint32_t Height;
  int32_t Stride;
  GpPixelFormat PixelFormat;
  void* Scan0;
  uintptr_t Reserved;
};
struct GdipBitmapDataStorage {
  GpBitmapData data;
  unsigned char room[64];
};

struct GdiplusStartupInput {
  uint32_t GdiplusVersion;
  void* DebugEventCallback;
  win::BOOL SuppressBackgroundThread;
  win::BOOL SuppressExternalCodecs;
};

constexpr GpPixelFormat PixelFormat32bppARGB = 0x26200A;
constexpr int ImageLockModeRead = 1;
constexpr int ImageLockModeWrite = 2;
constexpr int StringFormatFlagsNoFitBlackBox = 0x0004;
constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x0800;
constexpr int StringTrimmingWord = 2;
constexpr int TextRenderingHintAntiAlias = 4;
constexpr int CompositingModeSourceOver = 0;
constexpr int SmoothingModeAntiAlias = 4;
constexpr int FillModeAlternate = 0;
constexpr int UnitWorld = 0;
constexpr int UnitPixel = 2;
constexpr int LineJoinRound = 2;

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
GpStatus GdipGetFamilyName(const GpFontFamily* family, char16_t name[32], uint16_t language);
GpStatus GdipCreateFontFamilyFromName(const char16_t* name, void* collection, GpFontFamily** family);
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
GpStatus GdipBitmapLockBits(GpBitmap* bitmap, const GpRect* rect, unsigned flags, GpPixelFormat format,
                            GpBitmapData* data);
GpStatus GdipBitmapUnlockBits(GpBitmap* bitmap, GpBitmapData* data);
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

}  // extern "C"
