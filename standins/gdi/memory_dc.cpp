// Memory device contexts. libgdiplus reads an HDC as a GpGraphics (anything
// else crashes GdipCreateFromHDC), so a memory DC is the graphics of a 1x1
// bitmap, as a new Win32 memory DC holds a 1x1 bitmap. GDI+ objects made
// from it (a graphics, a font) measure as on that bitmap.

#include <unordered_map>

#include "module/platform/common/gdiplus_flat.h"
#include "module/platform/gdiplus_lock.h"

namespace win {
namespace {

// Each memory DC's graphics and the bitmap it draws on.
std::unordered_map<GpGraphics*, GpBitmap*>& MemoryDCs() {
  static std::unordered_map<GpGraphics*, GpBitmap*> dcs;
  return dcs;
}

GpGraphics* AsGraphics(HDC dc) { return reinterpret_cast<GpGraphics*>(dc); }

}  // namespace

// Every DC here is a memory DC, so `dc` only has to be null or one of them.
HDC CreateCompatibleDC(HDC dc) {
  platform::GdiplusGuard guard;
  if (dc && !MemoryDCs().contains(AsGraphics(dc))) return nullptr;
  GpBitmap* bitmap = nullptr;
  if (GdipCreateBitmapFromScan0(1, 1, 0, PixelFormat32bppARGB, nullptr, &bitmap) != 0) return nullptr;
  GpGraphics* graphics = nullptr;
  if (GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics) != 0) {
    GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
    return nullptr;
  }
  MemoryDCs().emplace(graphics, bitmap);
  return reinterpret_cast<HDC>(graphics);
}

BOOL DeleteDC(HDC dc) {
  platform::GdiplusGuard guard;
  auto found = MemoryDCs().find(AsGraphics(dc));
  if (found == MemoryDCs().end()) return 0;
  GdipDeleteGraphics(found->first);
  GdipDisposeImage(reinterpret_cast<GpImage*>(found->second));
  MemoryDCs().erase(found);
  return 1;
}

}  // namespace win
