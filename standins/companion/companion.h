#pragma once

// The stand-in companion: the commands of the plug-in, the per-window rooms
// and one worker thread that sends every message to the windows.
//
// Locking: one mutex guards all state. The worker never holds it while it
// sends, since a cross-thread SendMessageW waits for the window's thread,
// which may itself be calling into the companion. Threads that wait for the
// worker (a form, "quit", WaitIdle) dispatch their own messages meanwhile.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "standins/companion/companion_control.h"
#include "standins/companion/form_fields.h"
#include "standins/companion/form_server.h"
#include "standins/companion/gift_script.h"
#include "standins/companion/room.h"
#include "standins/companion/room_clock.h"

namespace companion {

// The form's answers to "ShowForm:".
inline constexpr int32_t kFormSaved = 0;
inline constexpr int32_t kFormCancelled = 1;
inline constexpr int32_t kFormUnavailable = 2;  // it could not be served

class Companion {
 public:
  Companion() = default;
  ~Companion();
  Companion(const Companion&) = delete;
  Companion& operator=(const Companion&) = delete;

  // The managed entry. Answers 0, the form's answer for "ShowForm:", or -1
  // for a command it does not know or whose argument is malformed.
  int32_t Command(std::u16string_view command);

  // Controls (standins/companion/companion_control.h).
  int32_t CommandCount();
  std::optional<std::u16string> CommandAt(int32_t index);
  void ClearRecord();
  std::optional<std::u16string> Setting(int32_t window, std::string_view key);
  void QueueFormAnswer(int32_t answer);
  void QueueFormMessage(uint32_t code, std::u16string payload);
  void ServeForms(int32_t port, CompanionFormOpenedFn opened, void* context);
  void SendCopyData(int32_t window, uint64_t code, std::string payload);
  void SendPlain(int32_t window, uint32_t message);
  int32_t PendingSends();
  int32_t LoadGiftScript(const std::string& utf8_path);
  void PlayGifts(FeedMode mode);
  int32_t SendSampleGift(int32_t window);
  void UseManualClock(bool manual);
  void AdvanceClock(uint32_t ms);
  void WaitIdle();

 private:
  struct CopyDataText {
    uint64_t code;
    std::u16string text;  // encoded when sent, as the encoding is then
  };
  struct CopyDataBytes {
    uint64_t code;
    std::string payload;
  };
  struct PlainMessage {
    uint32_t message;
  };
  using Delivery = std::variant<CopyDataText, CopyDataBytes, PlainMessage, RecordLine>;
  struct Outgoing {
    uint64_t seq;
    int32_t window;
    Delivery delivery;
  };
  using Lock = std::unique_lock<std::mutex>;
  // A form being served: its window and, once given, its answer.
  struct OpenForm {
    int32_t window;
    std::optional<int32_t> answer;
    uint64_t last_message = 0;  // sequence number of the last setting it sent
  };

  // Commands, with the lock held unless said otherwise.
  int32_t Init(int32_t window);
  int32_t Set(std::u16string_view line);
  int32_t Start(int32_t window);
  int32_t Stop(int32_t window);
  int32_t ShowForm(Lock& lock, int32_t window);

  // The form in a browser (companion_form.cpp).
  int32_t ServeForm(Lock& lock, int32_t window);
  std::string FormData(int32_t window);
  FormReply SaveForm(OpenForm& form, const FormParams& params);
  // With the lock held: the sample gift arrives in the room of `window`.
  void QueueSampleGift(int32_t window);
  // Gives the form `answer` unless it has one; false when it had.
  bool CloseForm(OpenForm& form, int32_t answer);
  void Quit(Lock& lock);

  // Worker side (companion_worker.cpp).
  void EnsureWorker();
  void Queue(int32_t window, Delivery delivery);
  void QueueRoomActions(int32_t window, std::vector<RoomAction> actions);
  void WorkChanged();
  void Run();
  void StepRooms();
  std::optional<int64_t> NextDue() const;
  // Without the lock. False for a record line that could not be written.
  static bool Deliver(const Outgoing& outgoing, bool ansi);
  void AfterDelivery(const Outgoing& outgoing, bool delivered);
  void StopWorker(Lock& lock);

  std::mutex mutex_;
  std::condition_variable changed_;

  std::vector<std::u16string> record_;
  std::map<int32_t, Room> rooms_;
  std::shared_ptr<const GiftScript> script_;
  FeedMode feed_mode_ = FeedMode::kOnce;
  std::deque<int32_t> form_answers_;
  std::vector<std::pair<uint32_t, std::u16string>> form_messages_;
  int32_t form_port_ = -1;  // below 0: scripted forms
  CompanionFormOpenedFn form_opened_ = nullptr;
  void* form_context_ = nullptr;
  bool ascii_requested_ = false;  // "ASCII" came; the next "Set:" switches
  bool ansi_ = false;             // texts go out in the ANSI code page
  RoomClock clock_;

  std::deque<Outgoing> outbox_;
  uint64_t last_queued_ = 0;
  uint64_t last_handled_ = 0;
  uint64_t requested_ = 0;  // bumped by everything that may make work
  uint64_t settled_ = 0;    // the `requested_` the worker last found nothing left for
  bool sending_ = false;
  std::set<std::filesystem::path> failed_records_;
  std::thread worker_;
  // This module, held loaded from the worker's start to "quit": a host that
  // unloads it without "quit" leaves it loaded rather than wait for a worker
  // that cannot end while the system unloads it.
  void* module_hold_ = nullptr;
  bool worker_running_ = false;
  bool quitting_ = false;
};

}  // namespace companion
