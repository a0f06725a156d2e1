// The fault table behind platform/faults.h: one slot a point, read with an
// atomic load on every call, so that an idle table costs next to nothing.

#include "platform/faults.h"

#include <atomic>

namespace platform {

namespace {

constexpr int kPoints = 3;

struct Slot {
  std::atomic<bool> armed{false};
  std::atomic<unsigned> nth{0};    // 0: every call fails
  std::atomic<unsigned> calls{0};  // since the scope began
};

Slot& SlotOf(FaultPoint point) {
  static Slot slots[kPoints];
  return slots[static_cast<int>(point)];
}

}  // namespace

bool FaultInjected(FaultPoint point) {
  Slot& slot = SlotOf(point);
  if (!slot.armed.load(std::memory_order_acquire)) return false;
  const unsigned call = slot.calls.fetch_add(1) + 1;
  const unsigned nth = slot.nth.load();
  return nth == 0 || call == nth;
}

ScopedFault::ScopedFault(FaultPoint point, unsigned nth) : point_(point) {
  Slot& slot = SlotOf(point);
  slot.nth.store(nth);
  slot.calls.store(0);
  slot.armed.store(true, std::memory_order_release);
}

ScopedFault::~ScopedFault() { SlotOf(point_).armed.store(false, std::memory_order_release); }

}  // namespace platform
