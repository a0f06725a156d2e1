#include "standins/companion/companion.h"

#include "module/platform/system.h"
#include "standins/companion/message_pump.h"
#include "standins/companion/settings_line.h"
#include "standins/companion/text_utf.h"

namespace companion {

namespace {

bool StartsWith(std::u16string_view text, std::u16string_view prefix, std::u16string_view* rest) {
  if (!text.starts_with(prefix)) return false;
  *rest = text.substr(prefix.size());
  return true;
}

}  // namespace

Companion::~Companion() {
  // A host that exits without "quit": on Windows the worker has been ended
  // already, in whatever state, and waiting for it would never end.
  if (platform::ProcessIsExiting()) {
    if (worker_.joinable()) worker_.detach();
    return;
  }
  Lock lock(mutex_);
  StopWorker(lock);
}

int32_t Companion::Command(std::u16string_view command) {
  Lock lock(mutex_);
  record_.emplace_back(command);
  std::u16string_view argument;
  if (command == u"quit") {
    Quit(lock);
    return 0;
  }
  if (command == u"ASCII") {
    ascii_requested_ = true;
    return 0;
  }
  if (StartsWith(command, u"setPlatform:", &argument)) return 0;
  if (StartsWith(command, u"Set:", &argument)) return Set(argument);
  if (StartsWith(command, u"ShowForm:", &argument)) {
    const std::optional<int32_t> window = ParseInt32(argument);
    return window ? ShowForm(lock, *window) : -1;
  }
  using Handler = int32_t (Companion::*)(int32_t window);
  const std::pair<std::u16string_view, Handler> kWindowCommands[] = {
      {u"init:", &Companion::Init}, {u"start:", &Companion::Start}, {u"stop:", &Companion::Stop}};
  for (const auto& [keyword, handle] : kWindowCommands) {
    if (!StartsWith(command, keyword, &argument)) continue;
    const std::optional<int32_t> window = ParseInt32(argument);
    return window ? (this->*handle)(*window) : -1;
  }
  return -1;
}

int32_t Companion::Init(int32_t window) {
  rooms_.insert_or_assign(window, Room(window));
  return 0;
}

int32_t Companion::Set(std::u16string_view line) {
  // The encoding the plug-in decodes with follows each settings line: ANSI
  // when "ASCII" came just before it, UTF-16 otherwise.
  ansi_ = std::exchange(ascii_requested_, false);
  SettingsLine parsed = ParseSettingsLine(line);
  if (!parsed.window) return -1;
  Room& room = rooms_.try_emplace(*parsed.window, *parsed.window).first->second;
  if (!parsed.settings) {
    Queue(*parsed.window, CopyDataText{kLogLine, ErrorLogLine(parsed.error)});
    return -1;
  }
  QueueRoomActions(room.Window(), room.Apply(std::move(*parsed.settings)));
  WorkChanged();
  return 0;
}

int32_t Companion::Start(int32_t window) {
  EnsureWorker();
  Room& room = rooms_.try_emplace(window, window).first->second;
  QueueRoomActions(window, room.Start(clock_.NowMs(), script_, feed_mode_));
  WorkChanged();
  return 0;
}

int32_t Companion::Stop(int32_t window) {
  const auto found = rooms_.find(window);
  if (found == rooms_.end()) return -1;
  // What was due before the pause still goes out.
  QueueRoomActions(window, found->second.Advance(clock_.NowMs()));
  found->second.Stop(clock_.NowMs());
  WorkChanged();
  return 0;
}

int32_t Companion::ShowForm(Lock& lock, int32_t window) {
  if (form_port_ >= 0) return ServeForm(lock, window);
  int32_t answer = kFormSaved;
  if (!form_answers_.empty()) {
    answer = form_answers_.front();
    form_answers_.pop_front();
  }
  if (form_messages_.empty()) return answer;
  for (auto& [code, payload] : std::exchange(form_messages_, {})) Queue(window, CopyDataText{code, payload});
  const uint64_t last = last_queued_;
  PumpUntil(lock, changed_, [&] { return last_handled_ >= last; });
  return answer;
}

void Companion::Quit(Lock& lock) {
  StopWorker(lock);
  // The host still holds the module: this only gives back the worker's hold.
  platform::CloseModule(std::exchange(module_hold_, nullptr));
  rooms_.clear();
  ascii_requested_ = false;
  ansi_ = false;
}

int32_t Companion::CommandCount() {
  Lock lock(mutex_);
  return static_cast<int32_t>(record_.size());
}

std::optional<std::u16string> Companion::CommandAt(int32_t index) {
  Lock lock(mutex_);
  if (index < 0 || static_cast<std::size_t>(index) >= record_.size()) return std::nullopt;
  return record_[static_cast<std::size_t>(index)];
}

void Companion::ClearRecord() {
  Lock lock(mutex_);
  record_.clear();
}

std::optional<std::u16string> Companion::Setting(int32_t window, std::string_view key) {
  Lock lock(mutex_);
  const auto found = rooms_.find(window);
  std::u16string value;
  if (found == rooms_.end() || !SettingText(found->second.Settings(), key, &value)) return std::nullopt;
  return value;
}

void Companion::QueueFormAnswer(int32_t answer) {
  Lock lock(mutex_);
  form_answers_.push_back(answer);
}

void Companion::QueueFormMessage(uint32_t code, std::u16string payload) {
  Lock lock(mutex_);
  form_messages_.emplace_back(code, std::move(payload));
}

void Companion::ServeForms(int32_t port, CompanionFormOpenedFn opened, void* context) {
  Lock lock(mutex_);
  form_port_ = port;
  form_opened_ = opened;
  form_context_ = context;
}

void Companion::SendCopyData(int32_t window, uint64_t code, std::string payload) {
  Lock lock(mutex_);
  Queue(window, CopyDataBytes{code, std::move(payload)});
}

void Companion::SendPlain(int32_t window, uint32_t message) {
  Lock lock(mutex_);
  Queue(window, PlainMessage{message});
}

int32_t Companion::PendingSends() {
  Lock lock(mutex_);
  return static_cast<int32_t>(last_queued_ - last_handled_);
}

int32_t Companion::LoadGiftScript(const std::string& utf8_path) {
  std::shared_ptr<const GiftScript> script;
  int32_t result = 0;
  if (!utf8_path.empty()) {
    GiftScript loaded = companion::LoadGiftScript(utf8_path);
    result = loaded.readable ? static_cast<int32_t>(loaded.errors.size()) : -1;
    script = std::make_shared<const GiftScript>(std::move(loaded));
  }
  Lock lock(mutex_);
  script_ = std::move(script);
  return result;
}

void Companion::PlayGifts(FeedMode mode) {
  Lock lock(mutex_);
  feed_mode_ = mode;
}

int32_t Companion::SendSampleGift(int32_t window) {
  Lock lock(mutex_);
  if (!rooms_.contains(window)) return -1;
  QueueSampleGift(window);
  return 0;
}

void Companion::QueueSampleGift(int32_t window) {
  Room& room = rooms_.try_emplace(window, window).first->second;
  QueueRoomActions(window, room.ReceiveSampleGift(clock_.NowMs()));
  WorkChanged();
}

void Companion::UseManualClock(bool manual) {
  Lock lock(mutex_);
  clock_.UseManual(manual);
  WorkChanged();
}

void Companion::AdvanceClock(uint32_t ms) {
  Lock lock(mutex_);
  clock_.Advance(ms);
  WorkChanged();
}

void Companion::WaitIdle() {
  Lock lock(mutex_);
  if (!worker_running_) return;
  WorkChanged();
  const uint64_t target = requested_;
  PumpUntil(lock, changed_, [&] {
    return !worker_running_ || (outbox_.empty() && !sending_ && settled_ >= target);
  });
}

}  // namespace companion
