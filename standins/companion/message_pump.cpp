#include "standins/companion/message_pump.h"

#include <chrono>

#include "module/platform/win32.h"

namespace companion {

void PumpUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
               const std::function<bool()>& done) {
  bool quit = false;
  int quit_code = 0;
  while (!done()) {
    lock.unlock();
    win::MSG msg;
    while (win::PeekMessageW(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
      if (msg.message == win::WM_QUIT) {
        quit = true;
        quit_code = static_cast<int>(msg.wParam);
      } else {
        win::DispatchMessageW(&msg);
      }
    }
    lock.lock();
    // A message sent to this thread does not signal `changed`: look again soon.
    if (!done()) changed.wait_for(lock, std::chrono::milliseconds(1));
  }
  if (quit) win::PostQuitMessage(quit_code);
}

}  // namespace companion
