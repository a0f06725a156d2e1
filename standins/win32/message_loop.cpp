// Posted messages: PostMessageW and PostQuitMessage fill a thread's queue,
// GetMessageW and PeekMessageW drain it, DispatchMessageW hands a message to
// its window's procedure.

#include <algorithm>
#include <chrono>

#include "standins/win32/last_error.h"
#include "standins/win32/message_queue.h"
#include "standins/win32/win32_values.h"

namespace {

using namespace standin;

// Milliseconds on a steady clock, wrapping as GetTickCount does.
win::DWORD TickCount() {
  const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<win::DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

struct Filter {
  win::HWND window;  // null: any; kThreadMessagesOnly: hwnd == null only
  win::UINT min;
  win::UINT max;

  bool TakesThreadMessages() const { return window == nullptr || window == kThreadMessagesOnly; }

  bool Matches(const win::MSG& msg) const {
    const bool window_ok =
        window == nullptr || msg.hwnd == (window == kThreadMessagesOnly ? nullptr : window);
    // WM_QUIT passes any range, as documented for GetMessageW.
    const bool range_ok = (min == 0 && max == 0) || msg.message == win::WM_QUIT ||
                          (msg.message >= min && msg.message <= max);
    return window_ok && range_ok;
  }
};

// A window filter must name a window of the calling thread.
bool IsValidFilter(Guard& guard, const Filter& filter, const ThreadQueue& queue) {
  if (filter.TakesThreadMessages()) return true;
  const Window* window = FindWindow(guard, filter.window);
  return window != nullptr && window->owner == &queue;
}

// The first posted message the filter takes; the quit request only once no
// posted message is left, as on Win32.
bool TakePosted(ThreadQueue& queue, const Filter& filter, bool remove, win::MSG* msg) {
  const auto found = std::find_if(queue.posted.begin(), queue.posted.end(),
                                  [&](const win::MSG& posted) { return filter.Matches(posted); });
  if (found != queue.posted.end()) {
    *msg = *found;
    if (remove) queue.posted.erase(found);
    return true;
  }
  if (queue.quit_posted && filter.TakesThreadMessages()) {
    *msg = win::MSG{nullptr, win::WM_QUIT, static_cast<win::WPARAM>(queue.quit_code), 0, TickCount(), {}};
    if (remove) queue.quit_posted = false;
    return true;
  }
  return false;
}

void Post(ThreadQueue& queue, win::HWND window, win::UINT message, win::WPARAM wparam, win::LPARAM lparam) {
  queue.posted.push_back(win::MSG{window, message, wparam, lparam, TickCount(), {}});
  queue.wake.notify_all();
}

}  // namespace

namespace win {

BOOL PostMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // Its data pointer would dangle by the time a posted message is read.
  if (message == WM_COPYDATA) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return FALSE;
  }
  Guard guard(System().lock);
  if (window == nullptr) {  // a thread message for the calling thread
    Post(CurrentQueue(), nullptr, message, wparam, lparam);
    return TRUE;
  }
  const standin::Window* target = FindWindow(guard, window);
  if (target == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  Post(*target->owner, window, message, wparam, lparam);
  return TRUE;
}

void PostQuitMessage(int exit_code) {
  Guard guard(System().lock);
  ThreadQueue& queue = CurrentQueue();
  queue.quit_posted = true;
  queue.quit_code = exit_code;
}

BOOL GetMessageW(MSG* msg, HWND window, UINT filter_min, UINT filter_max) {
  const Filter filter{window, filter_min, filter_max};
  Guard guard(System().lock);
  ThreadQueue& queue = CurrentQueue();
  if (!IsValidFilter(guard, filter, queue)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  for (;;) {
    DeliverSentMessages(guard, queue);
    if (TakePosted(queue, filter, true, msg)) return msg->message != WM_QUIT;
    queue.wake.wait(guard);
  }
}

BOOL PeekMessageW(MSG* msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
  const Filter filter{window, filter_min, filter_max};
  Guard guard(System().lock);
  ThreadQueue& queue = CurrentQueue();
  if (!IsValidFilter(guard, filter, queue)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  DeliverSentMessages(guard, queue);
  return TakePosted(queue, filter, (remove & PM_REMOVE) != 0, msg);
}

LRESULT DispatchMessageW(const MSG* msg) {
  if (msg->hwnd == nullptr) return 0;  // thread messages have no procedure
  Guard guard(System().lock);
  const standin::Window* target = FindWindow(guard, msg->hwnd);
  if (target == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  // A procedure runs only on its window's thread.
  if (target->owner->thread_id != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  return CallProcedure(guard, msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

}  // namespace win
