#pragma once

// The rooms' time in milliseconds: the steady clock, or a manual clock that
// moves only when told (the preview's frame clock). Switching keeps the time
// continuous. Not thread-safe; the companion guards it.

#include <chrono>
#include <cstdint>

namespace companion {

class RoomClock {
 public:
  int64_t NowMs() const;
  bool Manual() const { return manual_; }
  void UseManual(bool manual);
  void Advance(uint32_t ms) { manual_ms_ += ms; }
  // The steady-clock instant of time `ms`.
  std::chrono::steady_clock::time_point SteadyInstant(int64_t ms) const;

 private:
  int64_t SteadyMs() const;

  std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
  bool manual_ = false;
  int64_t manual_ms_ = 0;
};

}  // namespace companion
