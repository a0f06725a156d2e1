#include "standins/companion/room.h"

#include <algorithm>
#include <cstdio>

#include "standins/companion/gift_rules.h"
#include "standins/companion/text_utf.h"

namespace companion {

std::u16string ErrorLogLine(std::u16string_view reason) { return u"error: " + std::u16string(reason); }

std::u16string RecordFileName(std::u16string_view room_name) {
  std::u16string name = u"gift_record";
  if (!room_name.empty()) name += u"_";
  for (char16_t c : room_name) {
    const bool unsafe = c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos;
    name += unsafe ? u'_' : c;
  }
  return name + u".txt";
}

std::string FormatRoomTime(int64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld.%03lld", static_cast<long long>(ms / 60000),
                static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
  return text;
}

std::vector<RoomAction> Room::Apply(RoomSettings settings) {
  std::vector<RoomAction> actions;
  if (settings.no_thanks_string != settings_.no_thanks_string) display_.IdleLineChanged();
  settings_ = std::move(settings);
  if (settings_.is_save_record == 1 && settings_.save_folder.empty())
    Log(ErrorLogLine(u"is_save_record is 1 but save_folder is empty: gifts are not recorded"), actions);
  return actions;
}

std::vector<RoomAction> Room::Start(int64_t clock_ms, std::shared_ptr<const GiftScript> script, FeedMode mode) {
  std::vector<RoomAction> actions;
  if (playing_) return actions;
  if (!started_) {
    started_ = true;
    if (mode == FeedMode::kRandom) {
      Log(u"playing random gifts", actions);
    } else if (!script) {
      Log(u"no gift script: the room stays quiet", actions);
    } else {
      for (const std::u16string& error : script->errors) Log(ErrorLogLine(error), actions);
      Log(u"playing " + script->name + u": " + Ascii(std::to_string(script->events.size())) + u" gifts" +
              (mode == FeedMode::kLooped ? u", looped" : u""),
          actions);
    }
    feed_ = GiftFeed(std::move(script), mode, static_cast<uint32_t>(window_));
  }
  playing_ = true;
  resumed_at_ms_ = clock_ms;
  return actions;
}

void Room::Stop(int64_t clock_ms) {
  if (!playing_) return;
  elapsed_ms_ = RoomTime(clock_ms);
  playing_ = false;
}

DisplayRules Room::Rules() const {
  return DisplayRules{int64_t{settings_.show_second} * 1000, settings_.show_size, settings_.is_no_thanks == 1,
                      settings_.no_thanks_string};
}

int64_t Room::MergeWindow() const { return std::max<int64_t>(settings_.delay_show_second, 0) * 1000; }

void Room::Log(std::u16string text, std::vector<RoomAction>& actions) const {
  actions.push_back(RoomMessage{kLogLine, std::move(text)});
}

void Room::Receive(const GiftEvent& event, std::vector<RoomAction>& actions) {
  if (settings_.is_save_record == 1 && !settings_.save_folder.empty()) {
    const std::string line = FormatRoomTime(event.at_ms) + '\t' + ToUtf8(event.sender) + '\t' +
                             ToUtf8(event.gift) + '\t' + std::to_string(event.count) + '\t' +
                             std::to_string(event.unit_value) + '\n';
    actions.push_back(RecordLine{std::filesystem::path(settings_.save_folder) / RecordFileName(settings_.room_name),
                                 line});
  }
  if (IsThanked(settings_.gift_limit_mode, event.unit_value)) combos_.Add(event, MergeWindow());
}

void Room::Show(int64_t now_ms, std::vector<RoomAction>& actions) {
  const std::optional<ShownLine> shown = display_.Show(now_ms, Rules());
  if (!shown) return;
  if (shown->is_thanks && settings_.RandomColor != 0) {
    const uint32_t color =
        RandomLineColor(settings_.RandomModeType, static_cast<uint32_t>(window_), colored_lines_++);
    actions.push_back(RoomMessage{kRandomForeColor, Ascii(std::to_string(color))});
  }
  actions.push_back(RoomMessage{kTextUpdate, shown->text});
}

std::optional<int64_t> Room::NextRoomDue(int64_t now_ms) const {
  std::optional<int64_t> due = display_.NextDue(now_ms, Rules());
  const auto consider = [&](std::optional<int64_t> time) {
    if (time) due = std::min(due.value_or(*time), *time);
  };
  if (const GiftEvent* next = feed_.Next()) consider(next->at_ms);
  consider(combos_.NextClose(MergeWindow()));
  return due;
}

std::vector<RoomAction> Room::Advance(int64_t clock_ms) {
  std::vector<RoomAction> actions;
  if (!playing_) return actions;
  const int64_t until = RoomTime(clock_ms);
  // One step at a time, earliest first; at one instant gifts arrive before
  // combos close, and combos close before the screen changes.
  for (std::optional<int64_t> due = NextRoomDue(cursor_ms_); due && *due <= until; due = NextRoomDue(cursor_ms_)) {
    cursor_ms_ = std::max(cursor_ms_, *due);
    if (const GiftEvent* next = feed_.Next(); next && next->at_ms <= cursor_ms_) {
      Receive(*next, actions);
      feed_.Pop();
      continue;
    }
    std::vector<Combo> closed = combos_.TakeClosed(cursor_ms_, MergeWindow());
    for (const Combo& combo : closed)
      display_.Queue(FillThanks(settings_.thanks_string, {combo.sender, combo.gift, combo.count, combo.sends}),
                     Rules());
    if (closed.empty()) Show(cursor_ms_, actions);
  }
  return actions;
}

std::vector<RoomAction> Room::ReceiveSampleGift(int64_t clock_ms) {
  std::vector<RoomAction> actions = Advance(clock_ms);
  Receive(SampleGift(std::max(cursor_ms_, playing_ ? RoomTime(clock_ms) : elapsed_ms_)), actions);
  return actions;
}

std::optional<int64_t> Room::NextDue(int64_t clock_ms) const {
  if (!playing_) return std::nullopt;
  const std::optional<int64_t> due = NextRoomDue(cursor_ms_);
  if (!due) return std::nullopt;
  return std::max(clock_ms, resumed_at_ms_ + (*due - elapsed_ms_));
}

}  // namespace companion
