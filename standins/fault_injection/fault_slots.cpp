// The fault slots of the platform's fault points and of the GDI and GDI+
// functions, one each.

#include <array>
#include <cstddef>

#include "standins/fault_injection/faults.h"
#include "standins/fault_injection/gdi_faults.h"
#include "standins/fault_injection/gdiplus_faults.h"

namespace {

template <typename Operation>
platform::ScheduledFault** SlotOf(Operation operation) {
  static std::array<platform::ScheduledFault*, static_cast<std::size_t>(Operation::Count)> slots{};
  return &slots.at(static_cast<std::size_t>(operation));
}

}  // namespace

namespace platform {

ScheduledFault** FaultSlot(FaultPoint point) { return SlotOf(point); }

}  // namespace platform

namespace gdiplus {

platform::ScheduledFault** FaultSlot(Operation operation) { return SlotOf(operation); }

}  // namespace gdiplus

namespace win {

platform::ScheduledFault** GdiFaultSlot(GdiOperation operation) { return SlotOf(operation); }

}  // namespace win
