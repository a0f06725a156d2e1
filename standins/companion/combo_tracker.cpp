#include "standins/companion/combo_tracker.h"

#include <algorithm>

namespace companion {

void ComboTracker::Add(const GiftEvent& event, int64_t window_ms) {
  for (Combo& combo : open_) {
    if (combo.sender == event.sender && combo.gift == event.gift && event.at_ms - combo.last_ms <= window_ms) {
      combo.count += event.count;
      combo.sends += 1;
      combo.last_ms = event.at_ms;
      return;
    }
  }
  open_.push_back(Combo{event.sender, event.gift, event.count, 1, event.at_ms});
}

std::optional<int64_t> ComboTracker::NextClose(int64_t window_ms) const {
  std::optional<int64_t> next;
  for (const Combo& combo : open_) next = std::min(next.value_or(combo.last_ms + window_ms), combo.last_ms + window_ms);
  return next;
}

std::vector<Combo> ComboTracker::TakeClosed(int64_t now_ms, int64_t window_ms) {
  std::vector<Combo> closed;
  const auto still_open = [&](const Combo& combo) { return combo.last_ms + window_ms > now_ms; };
  const auto first_closed = std::stable_partition(open_.begin(), open_.end(), still_open);
  closed.assign(std::make_move_iterator(first_closed), std::make_move_iterator(open_.end()));
  open_.erase(first_closed, open_.end());
  std::stable_sort(closed.begin(), closed.end(),
                   [](const Combo& a, const Combo& b) { return a.last_ms < b.last_ms; });
  return closed;
}

}  // namespace companion
