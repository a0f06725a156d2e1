#pragma once

// Waiting the way a modal form's message loop waits: the calling thread
// keeps dispatching its messages, so that the companion's own thread, which
// may be sending to this thread's windows, can finish.

#include <condition_variable>
#include <functional>
#include <mutex>

namespace companion {

// Returns, with `lock` held, once `done` (checked under `lock`) holds.
// A quit request met on the way is posted again before returning.
void PumpUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
               const std::function<bool()>& done);

}  // namespace companion
