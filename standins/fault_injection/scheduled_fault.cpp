#include "standins/fault_injection/scheduled_fault.h"

#include <atomic>
#include <mutex>

namespace platform {
namespace {

// Faults are rare: calls check one counter and take the lock only while a
// fault lives anywhere.
std::atomic<int> live_faults{0};

std::mutex& FaultMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

ScheduledFault::ScheduledFault(ScheduledFault** slot, int32_t status, int nth_call)
    : slot_(slot), status_(status), nth_call_(nth_call) {
  std::lock_guard<std::mutex> lock(FaultMutex());
  hidden_ = *slot_;
  *slot_ = this;
  ++live_faults;
}

ScheduledFault::~ScheduledFault() {
  std::lock_guard<std::mutex> lock(FaultMutex());
  *slot_ = hidden_;
  --live_faults;
}

int ScheduledFault::Calls() const {
  std::lock_guard<std::mutex> lock(FaultMutex());
  return calls_;
}

int ScheduledFault::Failures() const {
  std::lock_guard<std::mutex> lock(FaultMutex());
  return failures_;
}

int32_t ScheduledFault::Check(ScheduledFault** slot) {
  if (live_faults.load(std::memory_order_acquire) == 0) return 0;
  std::lock_guard<std::mutex> lock(FaultMutex());
  ScheduledFault* fault = *slot;
  if (!fault) return 0;
  ++fault->calls_;
  if (fault->nth_call_ != kEveryCall && fault->calls_ != fault->nth_call_) return 0;
  ++fault->failures_;
  return fault->status_;
}

}  // namespace platform
