#pragma once

// The windows a test's companion thread knows of, added by the thread that
// made them and picked at random by the sender.

#include <mutex>
#include <random>
#include <vector>

#include "module/platform/win32.h"

namespace testing_support {

class WindowList {
 public:
  void Add(win::HWND window) {
    std::lock_guard<std::mutex> lock(mutex_);
    windows_.push_back(window);
  }
  // Null while there is none.
  win::HWND Pick(std::mt19937& random) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (windows_.empty()) return nullptr;
    return windows_[std::uniform_int_distribution<std::size_t>(0, windows_.size() - 1)(random)];
  }

 private:
  std::mutex mutex_;
  std::vector<win::HWND> windows_;
};

}  // namespace testing_support
