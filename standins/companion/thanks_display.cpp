#include "standins/companion/thanks_display.h"

#include <algorithm>

namespace companion {

void ThanksDisplay::Queue(std::u16string line, const DisplayRules& rules) {
  waiting_.push_back(std::move(line));
  if (rules.max_waiting > 0)
    while (waiting_.size() > static_cast<std::size_t>(rules.max_waiting)) waiting_.pop_front();
}

std::optional<int64_t> ThanksDisplay::NextDue(int64_t now_ms, const DisplayRules& rules) const {
  const int64_t free_at = screen_ == Screen::Thanks ? shown_at_ms_ + std::max<int64_t>(rules.show_ms, 0) : now_ms;
  if (!waiting_.empty()) return std::max(free_at, now_ms);
  if (rules.idle_enabled && screen_ != Screen::Idle) return std::max(free_at, now_ms);
  return std::nullopt;
}

std::optional<ShownLine> ThanksDisplay::Show(int64_t now_ms, const DisplayRules& rules) {
  const std::optional<int64_t> due = NextDue(now_ms, rules);
  if (!due || *due > now_ms) return std::nullopt;
  if (!waiting_.empty()) {
    ShownLine shown{std::move(waiting_.front()), true};
    waiting_.pop_front();
    screen_ = Screen::Thanks;
    shown_at_ms_ = now_ms;
    return shown;
  }
  screen_ = Screen::Idle;
  return ShownLine{rules.idle_line, false};
}

void ThanksDisplay::IdleLineChanged() {
  if (screen_ == Screen::Idle) screen_ = Screen::Nothing;
}

}  // namespace companion
