#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include "tests/support/resident_memory.h"

namespace testing_support {

long ResidentKilobytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
  return static_cast<long>(counters.WorkingSetSize / 1024);
}

}  // namespace testing_support
