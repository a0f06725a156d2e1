#include <atomic>

#include "module/platform/win32.h"

namespace {
std::atomic<win::DWORD> g_last_thread_id{0};
// Trivially destructible, so it stays readable while the thread exits.
thread_local win::DWORD t_thread_id = 0;
}  // namespace

namespace win {

// Small numbers handed out in order of first use; never 0, which Win32
// reserves for "no thread".
DWORD GetCurrentThreadId() {
  if (t_thread_id == 0) {
    t_thread_id = g_last_thread_id.fetch_add(1, std::memory_order_relaxed) + 1;
  }
  return t_thread_id;
}

}  // namespace win
