#pragma once

// Test controls and probes for the user32/kernel32 stand-in. Production code
// never includes this header.

#include <cstddef>
#include <cstdint>

#include "module/platform/win32.h"

namespace standin {

// The next CreateWindowExW returns this handle value, later ones count up from
// it. Handles are never reused, so the value must lie above every handle
// issued so far, and below 2^48; false (and nothing changes) otherwise.
PLATFORM_EXPORT bool SetNextWindowHandle(uintptr_t value);

// Windows not yet destroyed, in the whole process or owned by one thread.
PLATFORM_EXPORT std::size_t LiveWindowCount();
PLATFORM_EXPORT std::size_t LiveWindowCountOnThread(win::DWORD thread_id);

PLATFORM_EXPORT std::size_t RegisteredClassCount();

// Cross-thread SendMessageW calls to `window` that wait for its owner thread.
PLATFORM_EXPORT std::size_t PendingSendsTo(win::HWND window);

}  // namespace standin
