#pragma once

// Failures on purpose, for tests: while an InjectedFault lives, the chosen
// function of module/platform/gdiplus.h returns the chosen status on its Nth
// call or on every call (scheduled_fault.h) without doing anything else; an
// object it would make comes back null. Faults on different functions
// combine. The functions of test builds check the hook in one frame
// (gdiplus_fault_frame.h): the Linux stand-in's always, Windows' in the
// fault-injecting variant of the pass-through (windows/).

#include "fault_injection_export.h"
#include "module/platform/gdiplus.h"
#include "standins/fault_injection/scheduled_fault.h"

namespace gdiplus {

// One per function of module/platform/gdiplus.h, in its order.
enum class Operation {
#define GDIPLUS_OPERATION(name, parameters, arguments) name,
#include "module/platform/gdiplus_operations.h"
  Count
};

FAULT_INJECTION_EXPORT platform::ScheduledFault** FaultSlot(Operation operation);

class InjectedFault : public platform::ScheduledFault {
 public:
  InjectedFault(Operation operation, Status status, int nth_call = platform::kEveryCall)
      : ScheduledFault(FaultSlot(operation), status, nth_call) {}
};

}  // namespace gdiplus
