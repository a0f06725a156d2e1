#pragma once

// The frame of the GDI+ functions in test builds: the fault hook
// (standins/fault_injection/gdiplus_faults.h), then the module's frame.

#include <tuple>

#include "module/platform/common/gdiplus_operation_frame.h"
#include "standins/fault_injection/gdiplus_faults.h"

namespace gdiplus {

// `work` on `arguments`, unless a fault is injected into `operation`; a
// failed operation, injected or not, leaves null where it would make an
// object.
template <typename Work, typename... Arguments>
Status UnlessInjected(Operation operation, Work work, const std::tuple<Arguments...>& arguments) {
  if (const Status fault = platform::ScheduledFault::Check(FaultSlot(operation))) {
    ClearMadeObjects(arguments);
    return fault;
  }
  return RunOperation(work, arguments);
}

}  // namespace gdiplus
