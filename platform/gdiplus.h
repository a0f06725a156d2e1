#pragma once

// The GDI+ services the plug-in, the host stand-in and the tools use: fonts,
// string formats, graphics on a DC or on 32-bit ARGB memory of the caller's,
// measuring, and drawing with solid brushes and pens. Text is UTF-16.
//
// The build picks the implementation: on Windows each function passes
// straight through to the system's gdiplus.dll; elsewhere the functions call
// libgdiplus and Anti-Grain Geometry and add what libgdiplus lacks (platform/posix/
// gdiplus; docs/architecture.md, "GDI+ on Linux").
//
// Common contract, unless a function says otherwise:
// - Every function returns a Status, Ok (0) on success. A function that
//   makes an object writes it to its last argument; on failure it writes
//   null there, so a caller may always release what it was given.
// - The caller owns every object it is given and releases it with the
//   matching Delete/Dispose function; releasing null is refused with
//   InvalidParameter and does nothing.
// - GDI+ must be started (Startup) before any other call.
// - Objects may be used on any thread, one thread at a time. Callers hold
//   the process-wide GDI+ lock (platform/gdiplus_lock.h) around every call:
//   the Linux GDI+ is not thread-safe.
// - Tests can make any function fail on purpose (platform/gdiplus_faults.h).

#include <cstdint>

#include "platform/win32.h"
#include "platform_export.h"

namespace gdiplus {

using Status = int32_t;
using ARGB = uint32_t;
using PixelFormat = int32_t;

constexpr Status Ok = 0;
constexpr Status GenericError = 1;
constexpr Status InvalidParameter = 2;
constexpr Status OutOfMemory = 3;
constexpr Status NotImplemented = 6;

struct Graphics;
struct Bitmap;
struct Font;
struct FontFamily;
struct StringFormat;
struct SolidBrush;
struct Path;
struct Pen;

struct RectF {
  float X;
  float Y;
  float Width;
  float Height;
};

constexpr PixelFormat PixelFormat32bppARGB = 0x26200A;
constexpr int StringFormatFlagsNoFitBlackBox = 0x0004;
constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x0800;
constexpr int StringTrimmingWord = 2;
constexpr int TextRenderingHintAntiAlias = 4;
constexpr int CompositingModeSourceOver = 0;
constexpr int SmoothingModeAntiAlias = 4;
constexpr int FillModeAlternate = 0;
constexpr int FillModeWinding = 1;
constexpr int UnitWorld = 0;
constexpr int UnitPixel = 2;
constexpr int LineJoinMiter = 0;
constexpr int LineJoinBevel = 1;
constexpr int LineJoinRound = 2;

// Starts GDI+ for the caller and writes a token for Shutdown. Each Startup
// that succeeded is ended by one Shutdown with its token. On Linux the
// library itself starts with the first Startup and stays running until the
// process ends: its own shutdown also finalises fontconfig, which aborts
// while the text stack still caches fonts.
PLATFORM_EXPORT Status Startup(uintptr_t* token);
PLATFORM_EXPORT void Shutdown(uintptr_t token);

// Fonts. A positive lfHeight is the cell height (ascent + descent) in
// pixels, a negative one the em height, as in Win32; Linux sizes the font
// accordingly. The A form takes the face in the system's 8-bit code page
// (UTF-8 on Linux). FromDC: the font of the DC. GetFamily gives a new
// family object; GetFontSize the em size in the font's unit; GetFontStyle
// the style bits (1 bold, 2 italic, 4 underline, 8 strike-out).
PLATFORM_EXPORT Status CreateFontFromLogfontA(win::HDC dc, const win::LOGFONTA* logfont, Font** font);
PLATFORM_EXPORT Status CreateFontFromLogfontW(win::HDC dc, const win::LOGFONTW* logfont, Font** font);
PLATFORM_EXPORT Status CreateFontFromDC(win::HDC dc, Font** font);
PLATFORM_EXPORT Status GetFamily(Font* font, FontFamily** family);
PLATFORM_EXPORT Status GetFontSize(Font* font, float* em_size);
PLATFORM_EXPORT Status GetFontStyle(Font* font, int* style);
PLATFORM_EXPORT Status DeleteFont(Font* font);
PLATFORM_EXPORT Status DeleteFontFamily(FontFamily* family);

// String formats. The generic typographic format belongs to GDI+ and is
// never deleted; clones are the caller's.
PLATFORM_EXPORT Status StringFormatGetGenericTypographic(StringFormat** format);
PLATFORM_EXPORT Status CloneStringFormat(const StringFormat* format, StringFormat** clone);
PLATFORM_EXPORT Status SetStringFormatFlags(StringFormat* format, int flags);
PLATFORM_EXPORT Status SetStringFormatTrimming(StringFormat* format, int trimming);
PLATFORM_EXPORT Status DeleteStringFormat(StringFormat* format);

// Graphics. FromHDC measures as on that DC; on Linux it offers measuring
// only, and drawing on it gives NotImplemented.
//
// A bitmap over caller memory reads and writes that memory directly:
// `width` x `height` pixels, rows `stride` bytes apart, top row first, each
// pixel B, G, R, A bytes with straight (not premultiplied) alpha. The
// memory must outlive the bitmap, and the bitmap its graphics. Linux offers
// PixelFormat32bppARGB over caller memory only (else InvalidParameter).
//
// Drawing on such a bitmap composites source-over in straight alpha:
// opaque and fully transparent results are exact to the bit, partial alpha
// within one step of exact arithmetic. Clear writes its colour as it is,
// alpha 0 included. Modes: text rendering hint (applies to DrawString),
// smoothing (anti-aliases fills and pens), compositing (Linux offers
// source-over only, else NotImplemented).
PLATFORM_EXPORT Status CreateFromHDC(win::HDC dc, Graphics** graphics);
PLATFORM_EXPORT Status CreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, void* scan0,
                                             Bitmap** bitmap);
PLATFORM_EXPORT Status GetImageGraphicsContext(Bitmap* bitmap, Graphics** graphics);
PLATFORM_EXPORT Status SetTextRenderingHint(Graphics* graphics, int hint);
PLATFORM_EXPORT Status SetCompositingMode(Graphics* graphics, int mode);
PLATFORM_EXPORT Status SetSmoothingMode(Graphics* graphics, int mode);
// Deleting a graphics finishes its drawing.
PLATFORM_EXPORT Status DeleteGraphics(Graphics* graphics);
PLATFORM_EXPORT Status DisposeBitmap(Bitmap* bitmap);

// Measuring and drawing. `length` -1 means up to the terminating 0.
// MeasureString writes the bounds of the text laid out in `layout` (a zero
// width or height sets no limit); on failure `bounds` may hold anything.
PLATFORM_EXPORT Status MeasureString(Graphics* graphics, const char16_t* text, int length, const Font* font,
                                     const RectF* layout, const StringFormat* format, RectF* bounds);
PLATFORM_EXPORT Status GraphicsClear(Graphics* graphics, ARGB color);
PLATFORM_EXPORT Status CreateSolidFill(ARGB color, SolidBrush** brush);
PLATFORM_EXPORT Status DeleteBrush(SolidBrush* brush);
PLATFORM_EXPORT Status FillRectangle(Graphics* graphics, SolidBrush* brush, float x, float y, float width,
                                     float height);
PLATFORM_EXPORT Status DrawString(Graphics* graphics, const char16_t* text, int length, const Font* font,
                                  const RectF* layout, const StringFormat* format, const SolidBrush* brush);

// Paths and pens. A pen of `width` is centred on the path; `unit` is
// UnitWorld or UnitPixel. DrawPath strokes the path, FillPath fills it by
// its fill mode.
PLATFORM_EXPORT Status CreatePath(int fill_mode, Path** path);
PLATFORM_EXPORT Status AddPathString(Path* path, const char16_t* text, int length, const FontFamily* family,
                                     int style, float em_size, const RectF* layout, const StringFormat* format);
PLATFORM_EXPORT Status DeletePath(Path* path);
PLATFORM_EXPORT Status CreatePen(ARGB color, float width, int unit, Pen** pen);
PLATFORM_EXPORT Status SetPenLineJoin(Pen* pen, int line_join);
PLATFORM_EXPORT Status DeletePen(Pen* pen);
PLATFORM_EXPORT Status DrawPath(Graphics* graphics, Pen* pen, Path* path);
PLATFORM_EXPORT Status FillPath(Graphics* graphics, SolidBrush* brush, Path* path);

}  // namespace gdiplus
