#include "standins/companion/room_clock.h"

namespace companion {

int64_t RoomClock::SteadyMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - epoch_).count();
}

int64_t RoomClock::NowMs() const { return manual_ ? manual_ms_ : SteadyMs(); }

void RoomClock::UseManual(bool manual) {
  if (manual == manual_) return;
  if (manual)
    manual_ms_ = SteadyMs();
  else
    epoch_ = std::chrono::steady_clock::now() - std::chrono::milliseconds(manual_ms_);
  manual_ = manual;
}

std::chrono::steady_clock::time_point RoomClock::SteadyInstant(int64_t ms) const {
  return epoch_ + std::chrono::milliseconds(ms);
}

}  // namespace companion
