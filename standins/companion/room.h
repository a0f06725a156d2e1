#pragma once

// One window's room: its settings, the gift script it plays, and what it
// sends as time passes. Knows nothing of threads or windows; the companion
// carries out the actions it returns.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "standins/companion/combo_tracker.h"
#include "standins/companion/gift_feed.h"
#include "standins/companion/gift_script.h"
#include "standins/companion/room_settings.h"
#include "standins/companion/thanks_display.h"

namespace companion {

// WM_COPYDATA codes the room sends.
enum MessageCode : uint32_t {
  kTextUpdate = 1,
  kLogLine = 200,
  kRandomForeColor = 203,
};

struct RoomMessage {
  uint32_t code = 0;
  std::u16string text;
};
struct RecordLine {
  std::filesystem::path file;
  std::string utf8_line;  // with its line break
};
using RoomAction = std::variant<RoomMessage, RecordLine>;

// A log line that reports a fault, "error: " and the reason, so that the
// host log tells faults from news.
std::u16string ErrorLogLine(std::u16string_view reason);

// The file in save_folder that a room's gifts are appended to. Characters
// that could leave the folder or are not allowed in file names become '_'.
std::u16string RecordFileName(std::u16string_view room_name);
// A room time as mm:ss.mmm (minutes grow past 59).
std::string FormatRoomTime(int64_t ms);

class Room {
 public:
  explicit Room(int32_t window) : window_(window) {}

  int32_t Window() const { return window_; }
  const RoomSettings& Settings() const { return settings_; }
  bool Playing() const { return playing_; }

  // Settings from a "Set:" line.
  std::vector<RoomAction> Apply(RoomSettings settings);
  // "start:" at clock time `clock_ms`. The first start takes `script`, played
  // as `mode` says, and reports its malformed lines; later ones resume where
  // "stop:" paused.
  std::vector<RoomAction> Start(int64_t clock_ms, std::shared_ptr<const GiftScript> script,
                                FeedMode mode = FeedMode::kOnce);
  // A sample gift arrives at clock time `clock_ms`, after what was due.
  std::vector<RoomAction> ReceiveSampleGift(int64_t clock_ms);
  void Stop(int64_t clock_ms);
  // Everything due up to clock time `clock_ms`, in order.
  std::vector<RoomAction> Advance(int64_t clock_ms);
  // The clock time at which Advance next has something to do, while playing.
  std::optional<int64_t> NextDue(int64_t clock_ms) const;

 private:
  int64_t RoomTime(int64_t clock_ms) const { return elapsed_ms_ + (clock_ms - resumed_at_ms_); }
  DisplayRules Rules() const;
  int64_t MergeWindow() const;
  void Receive(const GiftEvent& event, std::vector<RoomAction>& actions);
  void Show(int64_t now_ms, std::vector<RoomAction>& actions);
  std::optional<int64_t> NextRoomDue(int64_t now_ms) const;
  void Log(std::u16string text, std::vector<RoomAction>& actions) const;

  int32_t window_;
  RoomSettings settings_;
  GiftFeed feed_;
  bool started_ = false;
  bool playing_ = false;
  int64_t elapsed_ms_ = 0;     // room time at the last start
  int64_t resumed_at_ms_ = 0;  // clock time of the last start
  int64_t cursor_ms_ = 0;      // room time advanced to
  ComboTracker combos_;
  ThanksDisplay display_;
  uint32_t colored_lines_ = 0;
};

}  // namespace companion
