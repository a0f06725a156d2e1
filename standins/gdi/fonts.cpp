// GDI fonts of the stand-in: a font is its LOGFONTW; GDI+ realises it.

#include <algorithm>
#include <cstring>

#include "module/platform/gdiplus_lock.h"
#include "standins/fault_injection/gdi_faults.h"
#include "standins/gdi/face_name.h"
#include "standins/gdi/gdi_objects.h"
#include "standins/gdi/logfont_fields.h"

namespace win {
namespace {

LOGFONTA Narrow(const LOGFONTW& wide) {
  LOGFONTA narrow = gdi::WithFieldsOf<LOGFONTA>(wide);
  gdi::NarrowFaceName(wide.lfFaceName, narrow.lfFaceName);
  return narrow;
}

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* font) {
  if (!font || GdiFaultNow(GdiOperation::FontCreation)) return nullptr;
  platform::GdiplusGuard guard;
  return static_cast<HFONT>(gdi::AddObject(std::make_unique<gdi::FontObject>(*font)));
}

// Fonts only: other objects give 0. As in Win32, a null `out` asks for the
// size, and a smaller buffer receives the first `size` bytes.
int GetObjectA(HGDIOBJ object, int size, void* out) {
  platform::GdiplusGuard guard;
  auto* font = dynamic_cast<gdi::FontObject*>(gdi::FindObject(object));
  if (!font) return 0;
  if (!out) return sizeof(LOGFONTA);
  if (size <= 0) return 0;
  const LOGFONTA narrow = Narrow(font->logfont);
  const int copied = std::min<int>(size, sizeof narrow);
  std::memcpy(out, &narrow, copied);
  return copied;
}

}  // namespace win
