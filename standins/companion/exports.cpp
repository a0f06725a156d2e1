// The module's exports: the managed entry and the controls of
// companion_control.h, over the one companion of the process.

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "companion_export.h"
#include "standins/companion/companion.h"
#include "standins/companion/companion_control.h"

namespace {

companion::Companion& TheCompanion() {
  static companion::Companion instance;
  return instance;
}

std::u16string_view View(const char16_t* text) { return text ? std::u16string_view(text) : std::u16string_view(); }

int32_t CopyOut(const std::optional<std::u16string>& text, char16_t* out, int32_t capacity) {
  if (!text) return -1;
  if (out && capacity > 0) {
    const std::size_t units = std::min(text->size(), static_cast<std::size_t>(capacity) - 1);
    std::copy_n(text->data(), units, out);
    out[units] = 0;
  }
  return static_cast<int32_t>(text->size());
}

}  // namespace

extern "C" {

COMPANION_EXPORT int32_t Kelvaro_Kelvaro_Command(const char16_t* command) {
  return TheCompanion().Command(View(command));
}

COMPANION_EXPORT int32_t Companion_CommandCount() { return TheCompanion().CommandCount(); }

COMPANION_EXPORT int32_t Companion_CopyCommand(int32_t index, char16_t* out, int32_t capacity) {
  return CopyOut(TheCompanion().CommandAt(index), out, capacity);
}

COMPANION_EXPORT void Companion_ClearRecord() { TheCompanion().ClearRecord(); }

COMPANION_EXPORT int32_t Companion_CopySetting(int32_t window_number, const char* key, char16_t* out,
                                               int32_t capacity) {
  return CopyOut(TheCompanion().Setting(window_number, key ? key : ""), out, capacity);
}

COMPANION_EXPORT void Companion_QueueFormAnswer(int32_t answer) { TheCompanion().QueueFormAnswer(answer); }

COMPANION_EXPORT void Companion_QueueFormMessage(uint32_t code, const char16_t* payload) {
  TheCompanion().QueueFormMessage(code, std::u16string(View(payload)));
}

COMPANION_EXPORT void Companion_ServeForms(int32_t port, CompanionFormOpenedFn opened, void* context) {
  TheCompanion().ServeForms(port, opened, context);
}

COMPANION_EXPORT void Companion_SendCopyData(int32_t window_number, uint64_t code, const void* payload,
                                             uint32_t bytes) {
  std::string copy(bytes, '\0');
  if (payload && bytes) std::memcpy(copy.data(), payload, bytes);
  TheCompanion().SendCopyData(window_number, code, std::move(copy));
}

COMPANION_EXPORT void Companion_SendMessage(int32_t window_number, uint32_t message) {
  TheCompanion().SendPlain(window_number, message);
}

COMPANION_EXPORT int32_t Companion_PendingSends() { return TheCompanion().PendingSends(); }

COMPANION_EXPORT int32_t Companion_LoadGiftScript(const char* utf8_path) {
  return TheCompanion().LoadGiftScript(utf8_path ? utf8_path : "");
}

COMPANION_EXPORT void Companion_PlayGifts(int32_t mode) {
  TheCompanion().PlayGifts(mode == 1 ? companion::FeedMode::kLooped
                           : mode == 2 ? companion::FeedMode::kRandom
                                       : companion::FeedMode::kOnce);
}

COMPANION_EXPORT int32_t Companion_SendSampleGift(int32_t window_number) {
  return TheCompanion().SendSampleGift(window_number);
}

COMPANION_EXPORT void Companion_UseManualClock(int32_t manual) { TheCompanion().UseManualClock(manual != 0); }

COMPANION_EXPORT void Companion_AdvanceClock(uint32_t milliseconds) { TheCompanion().AdvanceClock(milliseconds); }

COMPANION_EXPORT void Companion_WaitIdle() { TheCompanion().WaitIdle(); }

}  // extern "C"

// Each export has the type its control declares.
static_assert(std::is_same_v<decltype(&Kelvaro_Kelvaro_Command), CompanionCommandFn>);
static_assert(std::is_same_v<decltype(&Companion_CommandCount), CompanionCommandCountFn>);
static_assert(std::is_same_v<decltype(&Companion_CopyCommand), CompanionCopyCommandFn>);
static_assert(std::is_same_v<decltype(&Companion_ClearRecord), CompanionClearRecordFn>);
static_assert(std::is_same_v<decltype(&Companion_CopySetting), CompanionCopySettingFn>);
static_assert(std::is_same_v<decltype(&Companion_QueueFormAnswer), CompanionQueueFormAnswerFn>);
static_assert(std::is_same_v<decltype(&Companion_QueueFormMessage), CompanionQueueFormMessageFn>);
static_assert(std::is_same_v<decltype(&Companion_ServeForms), CompanionServeFormsFn>);
static_assert(std::is_same_v<decltype(&Companion_SendCopyData), CompanionSendCopyDataFn>);
static_assert(std::is_same_v<decltype(&Companion_SendMessage), CompanionSendMessageFn>);
static_assert(std::is_same_v<decltype(&Companion_PendingSends), CompanionPendingSendsFn>);
static_assert(std::is_same_v<decltype(&Companion_LoadGiftScript), CompanionLoadGiftScriptFn>);
static_assert(std::is_same_v<decltype(&Companion_PlayGifts), CompanionPlayGiftsFn>);
static_assert(std::is_same_v<decltype(&Companion_SendSampleGift), CompanionSendSampleGiftFn>);
static_assert(std::is_same_v<decltype(&Companion_UseManualClock), CompanionUseManualClockFn>);
static_assert(std::is_same_v<decltype(&Companion_AdvanceClock), CompanionAdvanceClockFn>);
static_assert(std::is_same_v<decltype(&Companion_WaitIdle), CompanionWaitIdleFn>);
