// The one list of the GDI+ operations of module/platform/gdiplus.h, each with
// its parameters and the names that pass them on:
//   GDIPLUS_OPERATION(name, (parameters), (arguments))
// The file that includes this one defines GDIPLUS_OPERATION first; this list
// then expands into the interface's declarations (gdiplus.h), the
// declarations of the hand-written bodies both platforms share
// (common/gdiplus_operation_frame.h), the interface's functions on Windows
// (windows/direct/direct_calls.cpp) and, for tests, the fault hooks'
// operations and functions (standins/fault_injection/gdiplus_faults.h,
// standins/fault_injection/windows/fault_injecting_calls.cpp) and the Linux
// stand-in's functions (standins/gdiplus/operations.cpp).
// It is included once per expansion, so it has no include guard, and it
// undefines GDIPLUS_OPERATION at its end.

// Starts GDI+ for the caller and writes a token for Shutdown. Each Startup
// that succeeded is ended by one Shutdown with its token. On Linux the
// library itself starts with the first Startup and stays running until the
// process ends: its own shutdown also finalises fontconfig, which aborts
// while the text stack still caches fonts.
GDIPLUS_OPERATION(Startup, (uintptr_t* token), (token))

// Fonts. A positive lfHeight is the cell height (ascent + descent) in
// pixels, a negative one the em height, as in Win32; Linux sizes the font
// accordingly. The A form takes the face in the system's 8-bit code page
// (UTF-8 on Linux). FromDC: the font of the DC. GetFamily gives a new
// family object; GetFontSize the em size in the font's unit; GetFontStyle
// the style bits (1 bold, 2 italic, 4 underline, 8 strike-out).
GDIPLUS_OPERATION(CreateFontFromLogfontA, (win::HDC dc, const win::LOGFONTA* logfont, Font** font),
                  (dc, logfont, font))
GDIPLUS_OPERATION(CreateFontFromLogfontW, (win::HDC dc, const win::LOGFONTW* logfont, Font** font),
                  (dc, logfont, font))
GDIPLUS_OPERATION(CreateFontFromDC, (win::HDC dc, Font** font), (dc, font))
GDIPLUS_OPERATION(GetFamily, (Font* font, FontFamily** family), (font, family))
GDIPLUS_OPERATION(GetFontSize, (Font* font, float* em_size), (font, em_size))
GDIPLUS_OPERATION(GetFontStyle, (Font* font, int* style), (font, style))
GDIPLUS_OPERATION(DeleteFont, (Font* font), (font))
GDIPLUS_OPERATION(DeleteFontFamily, (FontFamily* family), (family))

// String formats. The generic typographic format belongs to GDI+ and is
// never deleted; clones are the caller's.
GDIPLUS_OPERATION(StringFormatGetGenericTypographic, (StringFormat** format), (format))
GDIPLUS_OPERATION(CloneStringFormat, (const StringFormat* format, StringFormat** clone), (format, clone))
GDIPLUS_OPERATION(SetStringFormatFlags, (StringFormat* format, int flags), (format, flags))
GDIPLUS_OPERATION(SetStringFormatTrimming, (StringFormat* format, int trimming), (format, trimming))
GDIPLUS_OPERATION(DeleteStringFormat, (StringFormat* format), (format))

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
// source-over only, else NotImplemented). Deleting a graphics finishes its
// drawing.
GDIPLUS_OPERATION(CreateFromHDC, (win::HDC dc, Graphics** graphics), (dc, graphics))
GDIPLUS_OPERATION(CreateBitmapFromScan0,
                  (int width, int height, int stride, PixelFormat format, void* scan0, Bitmap** bitmap),
                  (width, height, stride, format, scan0, bitmap))
GDIPLUS_OPERATION(GetImageGraphicsContext, (Bitmap* bitmap, Graphics** graphics), (bitmap, graphics))
GDIPLUS_OPERATION(SetTextRenderingHint, (Graphics* graphics, int hint), (graphics, hint))
GDIPLUS_OPERATION(SetCompositingMode, (Graphics* graphics, int mode), (graphics, mode))
GDIPLUS_OPERATION(SetSmoothingMode, (Graphics* graphics, int mode), (graphics, mode))
GDIPLUS_OPERATION(DeleteGraphics, (Graphics* graphics), (graphics))
GDIPLUS_OPERATION(DisposeBitmap, (Bitmap* bitmap), (bitmap))

// Measuring and drawing. `length` -1 means up to the terminating 0.
// MeasureString writes the bounds of the text laid out in `layout` (a zero
// width or height sets no limit); on failure `bounds` may hold anything.
GDIPLUS_OPERATION(MeasureString,
                  (Graphics* graphics, const char16_t* text, int length, const Font* font, const RectF* layout,
                   const StringFormat* format, RectF* bounds),
                  (graphics, text, length, font, layout, format, bounds))
GDIPLUS_OPERATION(GraphicsClear, (Graphics* graphics, ARGB color), (graphics, color))
GDIPLUS_OPERATION(CreateSolidFill, (ARGB color, SolidBrush** brush), (color, brush))
GDIPLUS_OPERATION(DeleteBrush, (SolidBrush* brush), (brush))
GDIPLUS_OPERATION(FillRectangle,
                  (Graphics* graphics, SolidBrush* brush, float x, float y, float width, float height),
                  (graphics, brush, x, y, width, height))
GDIPLUS_OPERATION(DrawString,
                  (Graphics* graphics, const char16_t* text, int length, const Font* font, const RectF* layout,
                   const StringFormat* format, const SolidBrush* brush),
                  (graphics, text, length, font, layout, format, brush))

// Paths and pens. A pen of `width` is centred on the path; `unit` is
// UnitWorld or UnitPixel. DrawPath strokes the path, FillPath fills it by
// its fill mode.
GDIPLUS_OPERATION(CreatePath, (int fill_mode, Path** path), (fill_mode, path))
GDIPLUS_OPERATION(AddPathString,
                  (Path* path, const char16_t* text, int length, const FontFamily* family, int style, float em_size,
                   const RectF* layout, const StringFormat* format),
                  (path, text, length, family, style, em_size, layout, format))
GDIPLUS_OPERATION(DeletePath, (Path* path), (path))
GDIPLUS_OPERATION(CreatePen, (ARGB color, float width, int unit, Pen** pen), (color, width, unit, pen))
GDIPLUS_OPERATION(SetPenLineJoin, (Pen* pen, int line_join), (pen, line_join))
GDIPLUS_OPERATION(DeletePen, (Pen* pen), (pen))
GDIPLUS_OPERATION(DrawPath, (Graphics* graphics, Pen* pen, Path* path), (graphics, pen, path))
GDIPLUS_OPERATION(FillPath, (Graphics* graphics, SolidBrush* brush, Path* path), (graphics, brush, path))

#undef GDIPLUS_OPERATION
