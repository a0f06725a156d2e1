#include "standins/win32/message_queue.h"

#include <pthread.h>

#include <cstdlib>
#include <vector>

namespace standin {

namespace {

// Trivially destructible, so it stays readable while the thread exits.
thread_local ThreadQueue* t_queue = nullptr;

// Win32 destroys a thread's windows when the thread ends, without sending
// them any message (the thread can no longer run their procedures). Senders
// still waiting on the thread are released with 0.
void CloseQueue(void* data) {
  auto* queue = static_cast<ThreadQueue*>(data);
  {
    Guard guard(System().lock);
    std::vector<win::HWND> owned;
    for (const auto& [handle, window] : System().windows) {
      if (window.owner == queue) owned.push_back(reinterpret_cast<win::HWND>(handle));
    }
    // Also releases every sender waiting on this thread: all they wait for
    // is one of its windows.
    for (win::HWND window : owned) ForgetWindow(guard, window);
  }
  t_queue = nullptr;
  delete queue;
}

// A pthread key rather than a thread_local object: key destructors run after
// every C++ thread_local destructor, so objects elsewhere in the process that
// use windows from their thread_local destructors still find them.
pthread_key_t QueueKey() {
  static const pthread_key_t key = [] {
    pthread_key_t created;
    // Without the key no window could be cleaned up; keys run out only when
    // something leaks them by the thousand.
    if (pthread_key_create(&created, &CloseQueue) != 0) std::abort();
    return created;
  }();
  return key;
}

}  // namespace

ThreadQueue& CurrentQueue() {
  if (t_queue == nullptr) {
    t_queue = new ThreadQueue(win::GetCurrentThreadId());
    pthread_setspecific(QueueKey(), t_queue);
  }
  return *t_queue;
}

void DeliverSentMessages(Guard& guard, ThreadQueue& queue) {
  while (!queue.incoming.empty()) {
    SentMessage& sent = *queue.incoming.front();
    queue.incoming.pop_front();
    const win::LRESULT result = CallProcedure(guard, sent.window, sent.message, sent.wparam, sent.lparam);
    CompleteSentMessage(guard, sent, result, true);
  }
}

void CompleteSentMessage(Guard&, SentMessage& sent, win::LRESULT result, bool delivered) {
  sent.result = result;
  sent.delivered = delivered;
  sent.done = true;
  sent.sender->wake.notify_all();
}

}  // namespace standin
