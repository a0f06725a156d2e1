#pragma once

// The core of the fault hooks that tests put on platform functions
// (faults.h, gdiplus_faults.h, gdi_faults.h, the host allocator of
// standins/host_library), in the spirit of a fault-injecting environment
// that only test builds link: while a ScheduledFault lives, the function
// whose slot it occupies fails with its status on its Nth call (counted
// from the fault's construction, 1 being the next call) or on every call.
// A newer fault in the same slot hides the older one until it is destroyed.
// Faults are made and destroyed on one thread; Check may run on any.

#include <cstdint>

#include "fault_injection_export.h"

namespace platform {

constexpr int kEveryCall = 0;

class FAULT_INJECTION_EXPORT ScheduledFault {
 public:
  ScheduledFault(ScheduledFault** slot, int32_t status, int nth_call);
  ~ScheduledFault();
  ScheduledFault(const ScheduledFault&) = delete;
  ScheduledFault& operator=(const ScheduledFault&) = delete;

  // Calls through the slot while this fault held it, and those it failed.
  int Calls() const;
  int Failures() const;

  // For the functions: the status to fail with now, 0 when the call is to
  // run.
  static int32_t Check(ScheduledFault** slot);

 private:
  ScheduledFault** slot_;
  int32_t status_;
  int nth_call_;
  int calls_ = 0;
  int failures_ = 0;
  ScheduledFault* hidden_;
};

}  // namespace platform
