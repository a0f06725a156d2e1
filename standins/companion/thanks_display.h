#pragma once

// What the room shows: thanks lines in turn, each for at least the show
// time, and the idle line when no thanks line is due.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace companion {

struct DisplayRules {
  int64_t show_ms = 0;         // least time a thanks line stays
  int32_t max_waiting = 0;     // waiting lines kept; 0 or less: no limit
  bool idle_enabled = false;   // show the idle line when idle
  std::u16string idle_line;
};

struct ShownLine {
  std::u16string text;
  bool is_thanks = false;
};

class ThanksDisplay {
 public:
  // A line waits its turn. Beyond max_waiting, the oldest waiting line is
  // passed over.
  void Queue(std::u16string line, const DisplayRules& rules);
  // When Show has something to show: a time, or nothing. A line that may
  // show at once is due at `now_ms`.
  std::optional<int64_t> NextDue(int64_t now_ms, const DisplayRules& rules) const;
  // The line that takes the screen at `now_ms`, if any is due.
  std::optional<ShownLine> Show(int64_t now_ms, const DisplayRules& rules);
  // The idle line changed: show it again if it is up.
  void IdleLineChanged();

 private:
  enum class Screen { Nothing, Idle, Thanks };
  std::deque<std::u16string> waiting_;
  Screen screen_ = Screen::Nothing;
  int64_t shown_at_ms_ = 0;
};

}  // namespace companion
