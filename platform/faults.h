#pragma once

// Injected faults at the platform interfaces, for tests of the failure paths:
// while a ScopedFault lives, the calls at its point fail as the system's own
// would (null window, null module handle, failed runtime call). Both
// platforms' implementations ask FaultInjected before doing the real work.

#include "platform_export.h"

namespace platform {

enum class FaultPoint {
  WindowCreation,  // win::CreateWindowExW returns null
  ModuleHandle,    // win::GetModuleHandleW returns null
  RuntimeCall,     // ICLRRuntimeHost::ExecuteInDefaultAppDomain fails
};

// True when this call at `point` is to fail; counts the call.
PLATFORM_EXPORT bool FaultInjected(FaultPoint point);

class PLATFORM_EXPORT ScopedFault {
 public:
  // nth == 0: every call at `point` fails while the scope lives; otherwise
  // only the nth call from now (1 = the next one).
  explicit ScopedFault(FaultPoint point, unsigned nth = 0);
  ~ScopedFault();
  ScopedFault(const ScopedFault&) = delete;
  ScopedFault& operator=(const ScopedFault&) = delete;

 private:
  FaultPoint point_;
};

}  // namespace platform
