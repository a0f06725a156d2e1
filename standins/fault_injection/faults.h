#pragma once

// Injected faults at the platform interfaces, for tests of the failure paths:
// while a ScopedFault lives, the calls at its point fail as the system's own
// would (null window, null module handle, failed runtime call), on the Nth
// call or on every call (scheduled_fault.h). The implementations that test
// builds link ask FaultInjected before doing the real work: the Linux
// stand-ins, the stand-in runtime, and on Windows the fault-injecting
// variant of the pass-throughs (windows/).

#include "fault_injection_export.h"
#include "standins/fault_injection/scheduled_fault.h"

namespace platform {

enum class FaultPoint {
  WindowCreation,  // win::CreateWindowExW returns null
  ModuleHandle,    // win::GetModuleHandleW returns null
  RuntimeCall,     // ICLRRuntimeHost::ExecuteInDefaultAppDomain fails
  Count
};

FAULT_INJECTION_EXPORT ScheduledFault** FaultSlot(FaultPoint point);

class ScopedFault : public ScheduledFault {
 public:
  // nth == 0: every call at `point` fails while the scope lives; otherwise
  // only the nth call from now (1 = the next one).
  explicit ScopedFault(FaultPoint point, unsigned nth = kEveryCall)
      : ScheduledFault(FaultSlot(point), 1, static_cast<int>(nth)) {}
};

// For the implementations: true when this call at `point` is to fail;
// counts the call.
inline bool FaultInjected(FaultPoint point) { return ScheduledFault::Check(FaultSlot(point)) != 0; }

}  // namespace platform
