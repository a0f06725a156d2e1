#pragma once

// Per-thread message queues. A thread gets its queue on first use; when the
// thread exits, the queue goes and takes the thread's windows with it.

#include <condition_variable>
#include <deque>

#include "module/platform/win32.h"
#include "standins/win32/window_registry.h"

namespace standin {

// A cross-thread SendMessageW waiting in the receiver's queue. It lives on
// the sender's stack until `done`.
struct SentMessage {
  win::HWND window;
  win::UINT message;
  win::WPARAM wparam;
  win::LPARAM lparam;
  ThreadQueue* sender;
  win::LRESULT result = 0;
  bool delivered = false;  // false when released because the window or its thread went
  bool done = false;
};

struct ThreadQueue {
  explicit ThreadQueue(win::DWORD id) : thread_id(id) {}

  const win::DWORD thread_id;
  std::condition_variable wake;  // something arrived, or a message this thread sent is done
  std::deque<win::MSG> posted;
  std::deque<SentMessage*> incoming;
  bool quit_posted = false;
  int quit_code = 0;
};

// The calling thread's queue, created on first use.
ThreadQueue& CurrentQueue();

// Handles every message other threads have sent to the calling thread, as
// Win32 does inside GetMessageW, PeekMessageW and a blocked SendMessageW.
void DeliverSentMessages(Guard&, ThreadQueue& queue);

// Completes a waiting SendMessageW and wakes its sender.
void CompleteSentMessage(Guard&, SentMessage& sent, win::LRESULT result, bool delivered);

}  // namespace standin
