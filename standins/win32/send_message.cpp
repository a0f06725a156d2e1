// SendMessageW, and what can be asked about sends still waiting.

#include <algorithm>

#include "standins/win32/last_error.h"
#include "standins/win32/message_queue.h"
#include "standins/win32/standin_user32.h"

namespace standin {

std::size_t PendingSendsTo(win::HWND window) {
  Guard guard(System().lock);
  const Window* target = FindWindow(guard, window);
  if (target == nullptr) return 0;
  return static_cast<std::size_t>(std::count_if(target->owner->incoming.begin(), target->owner->incoming.end(),
                                                [window](const SentMessage* sent) { return sent->window == window; }));
}

}  // namespace standin

namespace win {

LRESULT SendMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  using namespace standin;
  Guard guard(System().lock);
  const Window* target = FindWindow(guard, window);
  if (target == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  ThreadQueue& self = CurrentQueue();
  if (target->owner == &self) return CallProcedure(guard, window, message, wparam, lparam);

  SentMessage sent{window, message, wparam, lparam, &self};
  target->owner->incoming.push_back(&sent);
  target->owner->wake.notify_all();
  // Keep answering what others send us meanwhile, so that two threads sending
  // to each other cannot deadlock.
  while (!sent.done) {
    if (self.incoming.empty()) {
      self.wake.wait(guard);
    } else {
      DeliverSentMessages(guard, self);
    }
  }
  if (!sent.delivered) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return sent.result;
}

}  // namespace win
