// The process-wide GDI+ lock. It lives in this shared library so that every
// module of the process (host, plug-in, companion) takes the same one.

#include "platform/gdiplus_lock.h"

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
