// The GDI+ lock of module/platform/gdiplus_lock.h. On Linux it lives in the shared
// quillora_win32 library, so every module of the process (host, plug-in, companion)
// takes the same one; the system GDI+ on Windows needs only one per module.

#include "module/platform/gdiplus_lock.h"

#include <mutex>

namespace {

std::recursive_mutex& GdiplusMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

}  // namespace

namespace platform {

void LockGdiplus() { GdiplusMutex().lock(); }
void UnlockGdiplus() { GdiplusMutex().unlock(); }

}  // namespace platform
