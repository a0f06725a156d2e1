#pragma once

// The frame of the Linux GDI+ functions: the process-wide GDI+ lock, then the
// tests' fault hook, then the work.

#include "platform/common/gdiplus_flat.h"
#include "platform/gdiplus_faults.h"
#include "platform/gdiplus_lock.h"

namespace gdiplus {

// libgdiplus's `function` on `args`, unless a fault is injected into
// `operation`.
template <typename... Params, typename... Args>
Status CallLibrary(Operation operation, GpStatus (*function)(Params...), Args... args) {
  platform::GdiplusGuard guard;
  if (const Status fault = InjectedStatus(operation)) return fault;
  return function(args...);
}

// Deletes one of this side's own objects, unless a fault is injected into
// `operation`.
template <typename Object>
Status DeleteOwn(Operation operation, Object* object) {
  platform::GdiplusGuard guard;
  if (const Status fault = InjectedStatus(operation)) return fault;
  if (!object) return InvalidParameter;
  delete object;
  return Ok;
}

}  // namespace gdiplus
