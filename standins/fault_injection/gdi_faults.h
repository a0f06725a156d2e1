#pragma once

// Failures on purpose, for tests, of the GDI functions of module/platform/win32.h
// that make fonts and pixel memory: while an InjectedGdiFault lives,
// CreateFontIndirectW or CreateDIBSection gives no object (and no bits) on
// its Nth call or on every call (standins/fault_injection/scheduled_fault.h).

#include "fault_injection_export.h"
#include "standins/fault_injection/scheduled_fault.h"

namespace win {

// FontCreation: CreateFontIndirectW; DibSectionCreation: CreateDIBSection.
enum class GdiOperation { FontCreation, DibSectionCreation, Count };

FAULT_INJECTION_EXPORT platform::ScheduledFault** GdiFaultSlot(GdiOperation operation);

class InjectedGdiFault : public platform::ScheduledFault {
 public:
  explicit InjectedGdiFault(GdiOperation operation, int nth_call = platform::kEveryCall)
      : ScheduledFault(GdiFaultSlot(operation), 1, nth_call) {}
};

// For the implementations: whether `operation` is to fail now.
inline bool GdiFaultNow(GdiOperation operation) {
  return platform::ScheduledFault::Check(GdiFaultSlot(operation)) != 0;
}

}  // namespace win
