// The companion's worker thread: steps the rooms as their clock moves and
// sends the queued messages one at a time, never under the lock.

#include <type_traits>

#include "module/platform/system.h"
#include "standins/companion/companion.h"
#include "standins/companion/message_pump.h"
#include "standins/companion/record_file.h"
#include "standins/companion/window_messages.h"

namespace companion {

void Companion::EnsureWorker() {
  if (worker_running_ || quitting_) return;
  if (!module_hold_) module_hold_ = platform::HoldModuleContaining(reinterpret_cast<const void*>(&PumpUntil));
  worker_running_ = true;
  worker_ = std::thread(&Companion::Run, this);
}

void Companion::Queue(int32_t window, Delivery delivery) {
  EnsureWorker();
  outbox_.push_back(Outgoing{++last_queued_, window, std::move(delivery)});
  WorkChanged();
}

void Companion::QueueRoomActions(int32_t window, std::vector<RoomAction> actions) {
  for (RoomAction& action : actions) {
    if (auto* message = std::get_if<RoomMessage>(&action))
      Queue(window, CopyDataText{message->code, std::move(message->text)});
    else
      Queue(window, std::get<RecordLine>(std::move(action)));
  }
}

void Companion::WorkChanged() {
  ++requested_;
  changed_.notify_all();
}

void Companion::StepRooms() {
  const int64_t now = clock_.NowMs();
  for (auto& [window, room] : rooms_) QueueRoomActions(window, room.Advance(now));
}

std::optional<int64_t> Companion::NextDue() const {
  std::optional<int64_t> next;
  const int64_t now = clock_.NowMs();
  for (const auto& [window, room] : rooms_) {
    if (const std::optional<int64_t> due = room.NextDue(now)) next = std::min(next.value_or(*due), *due);
  }
  return next;
}

bool Companion::Deliver(const Outgoing& outgoing, bool ansi) {
  return std::visit(
      [&](const auto& delivery) {
        using T = std::decay_t<decltype(delivery)>;
        if constexpr (std::is_same_v<T, CopyDataText>) {
          companion::SendCopyData(outgoing.window, delivery.code, EncodeText(delivery.text, ansi));
        } else if constexpr (std::is_same_v<T, CopyDataBytes>) {
          companion::SendCopyData(outgoing.window, delivery.code, delivery.payload);
        } else if constexpr (std::is_same_v<T, PlainMessage>) {
          SendPlainMessage(outgoing.window, delivery.message);
        } else {
          return AppendRecordLine(delivery.file, delivery.utf8_line);
        }
        return true;
      },
      outgoing.delivery);
}

void Companion::AfterDelivery(const Outgoing& outgoing, bool delivered) {
  const auto* record = std::get_if<RecordLine>(&outgoing.delivery);
  if (!record) return;
  // One log line when a record file starts failing, not one per gift.
  if (delivered) {
    failed_records_.erase(record->file);
  } else if (failed_records_.insert(record->file).second) {
    Queue(outgoing.window, CopyDataText{kLogLine, ErrorLogLine(u"cannot append to the gift record " + record->file.u16string())});
  }
}

void Companion::Run() {
  Lock lock(mutex_);
  while (!quitting_) {
    const uint64_t seen = requested_;
    StepRooms();
    if (!outbox_.empty()) {
      Outgoing next = std::move(outbox_.front());
      outbox_.pop_front();
      if (const auto* plain = std::get_if<PlainMessage>(&next.delivery)) {
        // The plug-in decodes by the switch from the moment it handles it.
        if (plain->message == kSwitchToAnsi) ansi_ = true;
        if (plain->message == kSwitchToUtf16) ansi_ = false;
      }
      const bool ansi = ansi_;
      sending_ = true;
      lock.unlock();
      const bool delivered = Deliver(next, ansi);
      lock.lock();
      sending_ = false;
      AfterDelivery(next, delivered);
      last_handled_ = std::max(last_handled_, next.seq);
      changed_.notify_all();
      continue;
    }
    settled_ = seen;
    changed_.notify_all();
    const auto woken = [&] { return quitting_ || requested_ != seen; };
    const std::optional<int64_t> due = clock_.Manual() ? std::nullopt : NextDue();
    if (due)
      changed_.wait_until(lock, clock_.SteadyInstant(*due), woken);
    else
      changed_.wait(lock, woken);
  }
  worker_running_ = false;
  changed_.notify_all();
}

void Companion::StopWorker(Lock& lock) {
  if (!worker_running_) return;
  quitting_ = true;
  outbox_.clear();
  last_handled_ = last_queued_;
  changed_.notify_all();
  // The worker may be sending to a window of this thread.
  PumpUntil(lock, changed_, [&] { return !worker_running_; });
  std::thread finished = std::move(worker_);
  lock.unlock();
  finished.join();
  lock.lock();
  quitting_ = false;
}

}  // namespace companion
