#pragma once

// The frame of the Linux GDI+ functions: the process-wide GDI+ lock, then the
// tests' fault hook, then the work.

#include <tuple>

#include "module/platform/gdiplus_lock.h"
#include "standins/fault_injection/gdiplus_fault_frame.h"

namespace gdiplus {

// `work` on `arguments` under the GDI+ lock, unless a fault is injected into
// `operation`.
template <typename Work, typename... Arguments>
Status GuardedCall(Operation operation, Work work, const std::tuple<Arguments...>& arguments) {
  platform::GdiplusGuard guard;
  return UnlessInjected(operation, work, arguments);
}

}  // namespace gdiplus
