#pragma once

// One process-wide lock around every use of GDI+ (module/platform/gdiplus.h). The
// Linux GDI+ is not thread-safe (concurrent text rendering crashes inside its
// font stack), so all modules of the process take this same lock around
// their GDI+ work; on Linux each call of the interface takes it too.
// Recursive: code holding it may call helpers that take it again.

#include "platform_export.h"

namespace platform {

PLATFORM_EXPORT void LockGdiplus();
PLATFORM_EXPORT void UnlockGdiplus();

class GdiplusGuard {
 public:
  GdiplusGuard() { LockGdiplus(); }
  ~GdiplusGuard() { UnlockGdiplus(); }
  GdiplusGuard(const GdiplusGuard&) = delete;
  GdiplusGuard& operator=(const GdiplusGuard&) = delete;
};

}  // namespace platform
