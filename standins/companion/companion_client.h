#pragma once

// Typed access to the companion's exports for the host side (tests and the
// preview): opens the companion file and resolves every control by name.

#include <cstdint>
#include <string>
#include <vector>

#include "standins/companion/companion_control.h"

class CompanionClient {
 public:
  // Opens the module at `path` (Windows separators allowed). ok() tells
  // whether it and every export were found.
  explicit CompanionClient(const std::string& path);
  ~CompanionClient();
  CompanionClient(const CompanionClient&) = delete;
  CompanionClient& operator=(const CompanionClient&) = delete;

  bool ok() const { return module_ && complete_; }

  int32_t Command(const std::u16string& command) const { return command_(command.c_str()); }
  std::vector<std::u16string> Commands() const;
  void ClearRecord() const { clear_record_(); }
  // The value window `window_number` holds for `key`; empty when unknown.
  std::u16string Setting(int32_t window_number, const char* key) const;
  void QueueFormAnswer(int32_t answer) const { queue_form_answer_(answer); }
  void QueueFormMessage(uint32_t code, const std::u16string& payload) const {
    queue_form_message_(code, payload.c_str());
  }
  void ServeForms(int32_t port, CompanionFormOpenedFn opened = nullptr, void* context = nullptr) const {
    serve_forms_(port, opened, context);
  }
  void SendCopyData(int32_t window_number, uint64_t code, const void* payload, uint32_t bytes) const {
    send_copy_data_(window_number, code, payload, bytes);
  }
  void SendMessage(int32_t window_number, uint32_t message) const { send_message_(window_number, message); }
  int32_t PendingSends() const { return pending_sends_(); }
  int32_t LoadGiftScript(const std::string& utf8_path) const { return load_gift_script_(utf8_path.c_str()); }
  // 0 once, 1 looped, 2 random gifts (companion_control.h).
  void PlayGifts(int32_t mode) const { play_gifts_(mode); }
  int32_t SendSampleGift(int32_t window_number) const { return send_sample_gift_(window_number); }
  void UseManualClock(bool manual) const { use_manual_clock_(manual ? 1 : 0); }
  void AdvanceClock(uint32_t milliseconds) const { advance_clock_(milliseconds); }
  void WaitIdle() const { wait_idle_(); }

 private:
  template <class Fn>
  void Resolve(Fn& fn, const char* name);

  void* module_ = nullptr;
  bool complete_ = true;
  CompanionCommandFn command_ = nullptr;
  CompanionCommandCountFn command_count_ = nullptr;
  CompanionCopyCommandFn copy_command_ = nullptr;
  CompanionClearRecordFn clear_record_ = nullptr;
  CompanionCopySettingFn copy_setting_ = nullptr;
  CompanionQueueFormAnswerFn queue_form_answer_ = nullptr;
  CompanionQueueFormMessageFn queue_form_message_ = nullptr;
  CompanionServeFormsFn serve_forms_ = nullptr;
  CompanionSendCopyDataFn send_copy_data_ = nullptr;
  CompanionSendMessageFn send_message_ = nullptr;
  CompanionPendingSendsFn pending_sends_ = nullptr;
  CompanionLoadGiftScriptFn load_gift_script_ = nullptr;
  CompanionPlayGiftsFn play_gifts_ = nullptr;
  CompanionSendSampleGiftFn send_sample_gift_ = nullptr;
  CompanionUseManualClockFn use_manual_clock_ = nullptr;
  CompanionAdvanceClockFn advance_clock_ = nullptr;
  CompanionWaitIdleFn wait_idle_ = nullptr;
};
