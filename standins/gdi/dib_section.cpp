// DIB sections: zeroed pixel memory in the layout the header describes. GDI
// never draws into them here; they supply memory that GDI+ bitmaps use.

#include <cstdint>

#include "module/platform/gdiplus_lock.h"
#include "standins/fault_injection/gdi_faults.h"
#include "standins/gdi/gdi_objects.h"

namespace win {
namespace {

constexpr DWORD kBiRgb = 0;
constexpr UINT kDibPalColors = 1;
// Win32 refuses DIB sections from 2 GiB on.
constexpr uint64_t kMaxBytes = 0x7FFFFFFF;

bool IsSupportedDepth(WORD bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Bytes of pixel memory the header asks for, or 0 when it is not one this
// stand-in makes: uncompressed, positive width, non-zero height.
uint64_t PixelBytes(const BITMAPINFOHEADER& header) {
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 || header.biCompression != kBiRgb ||
      !IsSupportedDepth(header.biBitCount) || header.biWidth <= 0 || header.biHeight == 0) {
    return 0;
  }
  // Rows are padded to whole 32-bit words.
  const uint64_t stride = (static_cast<uint64_t>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
  const uint64_t rows = header.biHeight < 0 ? -static_cast<int64_t>(header.biHeight) : header.biHeight;
  const uint64_t bytes = stride * rows;
  return bytes <= kMaxBytes ? bytes : 0;
}

}  // namespace

// The section handle and offset select a file mapping, which this stand-in
// does not offer: a non-null section is refused.
HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD) {
  if (bits) *bits = nullptr;
  if (!info || section || usage > kDibPalColors || GdiFaultNow(GdiOperation::DibSectionCreation)) return nullptr;
  const uint64_t bytes = PixelBytes(info->bmiHeader);
  if (bytes == 0) return nullptr;
  auto dib = std::make_unique<gdi::DibSection>(bytes);
  if (!dib->bits) return nullptr;
  if (bits) *bits = dib->bits;
  platform::GdiplusGuard guard;
  return static_cast<HBITMAP>(gdi::AddObject(std::move(dib)));
}

}  // namespace win
