// Starting GDI+ on Linux. libgdiplus starts once, with the first Startup,
// and is never shut down: its GdiplusShutdown ends with fontconfig's FcFini,
// which aborts the process while a font pattern from fontconfig's cache is
// still referenced, and pango and cairo, which draw libgdiplus's text, keep
// such patterns in caches of their own. On Windows, a GDI+ shutdown leaves
// the system's fonts alone too. The library's memory goes with the process.

#include "module/platform/common/gdiplus_flat.h"
#include "module/platform/common/gdiplus_operation_frame.h"

namespace gdiplus {
namespace {

constexpr uintptr_t kToken = 1;
bool library_started = false;

}  // namespace

namespace body {

Status Startup(uintptr_t* token) {
  if (!token) return InvalidParameter;
  if (!library_started) {
    uintptr_t library_token = 0;
    const GdiplusStartupInput input{1, nullptr, 0, 0};
    if (const Status status = GdiplusStartup(&library_token, &input, nullptr)) return status;
    library_started = true;
  }
  *token = kToken;
  return Ok;
}

}  // namespace body

void Shutdown(uintptr_t) {}

}  // namespace gdiplus
