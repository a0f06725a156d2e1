// The GDI+ lock of platform/gdiplus_lock.h. The system's GDI+ is thread-safe
// for objects a thread does not share, so the lock only has to keep the
// portable code's contract; one per module does that.

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
