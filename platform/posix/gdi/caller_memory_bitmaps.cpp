// 32bppARGB bitmaps over caller memory. Win32 GDI+ draws on such a bitmap
// straight into the caller's memory. libgdiplus draws into a premultiplied
// copy instead, made when a graphics is opened, and writes it back only when
// the bitmap is locked; the two conversions cost more than the drawing.
//
// These definitions hide libgdiplus's (see next_definition.h): such a bitmap
// is made as 32bppPARGB over the same memory, so cairo draws straight into
// it, and the memory is converted in place, to premultiplied alpha when the
// first graphics on the bitmap is made and back to straight alpha when the
// last one is deleted. So whenever no graphics is open on it, the memory
// holds what was drawn as straight BGRA, as on Win32. Only drawing on such a
// bitmap is adapted: locking it, reading its pixels or drawing it as an
// image would see it as premultiplied.

#include <unordered_map>

#include "platform/gdiplus_flat.h"
#include "platform/gdiplus_lock.h"
#include "platform/posix/gdi/next_definition.h"
#include "platform/posix/gdi/premultiplied_alpha.h"
#include "platform_export.h"

namespace {

constexpr GpPixelFormat kPixelFormat32bppPARGB = 0xE200B;
constexpr GpStatus kOk = 0;

struct CallerMemory {
  uint8_t* rows;
  int width;
  int height;
  int stride;
  int open_graphics;
};

std::unordered_map<GpImage*, CallerMemory>& Bitmaps() {
  static std::unordered_map<GpImage*, CallerMemory> bitmaps;
  return bitmaps;
}

// Each open graphics on one of those bitmaps, and its bitmap.
std::unordered_map<GpGraphics*, GpImage*>& Graphics() {
  static std::unordered_map<GpGraphics*, GpImage*> graphics;
  return graphics;
}

bool IsAdapted(int width, int height, int stride, GpPixelFormat format, const void* scan0) {
  return format == PixelFormat32bppARGB && scan0 && width > 0 && height > 0 && stride >= width * 4 && stride % 4 == 0;
}

}  // namespace

extern "C" {

PLATFORM_EXPORT GpStatus GdipCreateBitmapFromScan0(int width, int height, int stride, GpPixelFormat format, void* scan0,
                                                   GpBitmap** bitmap) {
  static const auto original = gdi::NextDefinition<decltype(GdipCreateBitmapFromScan0)>("GdipCreateBitmapFromScan0");
  platform::GdiplusGuard guard;
  if (!IsAdapted(width, height, stride, format, scan0)) return original(width, height, stride, format, scan0, bitmap);
  const GpStatus status = original(width, height, stride, kPixelFormat32bppPARGB, scan0, bitmap);
  if (status == kOk) {
    Bitmaps()[reinterpret_cast<GpImage*>(*bitmap)] = {static_cast<uint8_t*>(scan0), width, height, stride, 0};
  }
  return status;
}

PLATFORM_EXPORT GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics) {
  static const auto original =
      gdi::NextDefinition<decltype(GdipGetImageGraphicsContext)>("GdipGetImageGraphicsContext");
  platform::GdiplusGuard guard;
  const GpStatus status = original(image, graphics);
  auto found = Bitmaps().find(image);
  if (status != kOk || found == Bitmaps().end()) return status;
  CallerMemory& memory = found->second;
  if (memory.open_graphics++ == 0) gdi::PremultiplyPixels(memory.rows, memory.width, memory.height, memory.stride);
  Graphics()[*graphics] = image;
  return status;
}

PLATFORM_EXPORT GpStatus GdipDeleteGraphics(GpGraphics* graphics) {
  static const auto original = gdi::NextDefinition<decltype(GdipDeleteGraphics)>("GdipDeleteGraphics");
  platform::GdiplusGuard guard;
  // Deleting the graphics finishes its drawing, so convert afterwards.
  const GpStatus status = original(graphics);
  auto open = Graphics().find(graphics);
  if (open == Graphics().end()) return status;
  CallerMemory& memory = Bitmaps().at(open->second);
  Graphics().erase(open);
  if (--memory.open_graphics == 0) gdi::UnpremultiplyPixels(memory.rows, memory.width, memory.height, memory.stride);
  return status;
}

// A graphics that outlives its bitmap leaves the memory as it is.
PLATFORM_EXPORT GpStatus GdipDisposeImage(GpImage* image) {
  static const auto original = gdi::NextDefinition<decltype(GdipDisposeImage)>("GdipDisposeImage");
  platform::GdiplusGuard guard;
  if (Bitmaps().erase(image)) std::erase_if(Graphics(), [image](const auto& open) { return open.second == image; });
  return original(image);
}

}  // extern "C"
