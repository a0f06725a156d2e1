#pragma once

// The GDI+ services the plug-in, the host stand-in and the tools use: fonts,
// string formats, graphics on a DC or on 32-bit ARGB memory of the caller's,
// measuring, and drawing with solid brushes and pens. Text is UTF-16.
//
// The build picks the implementation: on Windows each function passes
// straight through to the system's gdiplus.dll; elsewhere the functions call
// libgdiplus and Anti-Grain Geometry and add what libgdiplus lacks
// (standins/gdiplus; docs/architecture.md, "GDI+ on Linux").
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
//   the process-wide GDI+ lock (module/platform/gdiplus_lock.h) around every call:
//   the Linux GDI+ is not thread-safe.
// - Tests can make any function fail on purpose (standins/fault_injection/gdiplus_faults.h).

#include <cstdint>

#include "module/platform/win32.h"
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

// The operations, each returning a Status (module/platform/gdiplus_operations.h).
#define GDIPLUS_OPERATION(name, parameters, arguments) PLATFORM_EXPORT Status name parameters;
#include "module/platform/gdiplus_operations.h"

// Ends the GDI+ session that Startup began with `token`.
PLATFORM_EXPORT void Shutdown(uintptr_t token);

}  // namespace gdiplus
