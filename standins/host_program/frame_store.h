#pragma once

// The live view's latest frame, handed from the render thread to the page's
// requests: each frame has a number, and a request waits for one newer than
// the one it has.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

struct LiveFrame {
  uint64_t number = 0;
  std::string jpeg;
  std::chrono::steady_clock::time_point rendered;
};

class FrameStore {
 public:
  // Whether a page asked for a frame lately: only then are frames encoded.
  bool Watched() const;
  void Publish(std::string jpeg, std::chrono::steady_clock::time_point rendered);
  // The latest frame once it is newer than `after`; nothing after `timeout`
  // or once the store is closed.
  std::shared_ptr<const LiveFrame> WaitNewer(uint64_t after, std::chrono::milliseconds timeout);
  // Wakes every waiting request; later ones get nothing.
  void Close();

 private:
  mutable std::mutex mutex_;
  std::condition_variable published_;
  std::shared_ptr<const LiveFrame> latest_;
  uint64_t count_ = 0;
  std::chrono::steady_clock::time_point last_asked_{};
  bool closed_ = false;
};
