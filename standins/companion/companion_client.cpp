#include "standins/companion/companion_client.h"

#include "module/platform/system.h"

namespace {

// Copies text that an export writes into a caller's buffer, whatever its length.
template <class CopyFn>
std::u16string CopyText(CopyFn copy) {
  const int32_t length = copy(nullptr, 0);
  if (length < 0) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  copy(text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

template <class Fn>
void CompanionClient::Resolve(Fn& fn, const char* name) {
  fn = platform::FindFunction<Fn>(module_, name);
  if (!fn) complete_ = false;
}

CompanionClient::CompanionClient(const std::string& path) : module_(platform::OpenModule(path.c_str())) {
  Resolve(command_, kCompanionCommandExport);
  Resolve(command_count_, kCompanionCommandCountExport);
  Resolve(copy_command_, kCompanionCopyCommandExport);
  Resolve(clear_record_, kCompanionClearRecordExport);
  Resolve(copy_setting_, kCompanionCopySettingExport);
  Resolve(queue_form_answer_, kCompanionQueueFormAnswerExport);
  Resolve(queue_form_message_, kCompanionQueueFormMessageExport);
  Resolve(serve_forms_, kCompanionServeFormsExport);
  Resolve(send_copy_data_, kCompanionSendCopyDataExport);
  Resolve(send_message_, kCompanionSendMessageExport);
  Resolve(pending_sends_, kCompanionPendingSendsExport);
  Resolve(load_gift_script_, kCompanionLoadGiftScriptExport);
  Resolve(play_gifts_, kCompanionPlayGiftsExport);
  Resolve(send_sample_gift_, kCompanionSendSampleGiftExport);
  Resolve(use_manual_clock_, kCompanionUseManualClockExport);
  Resolve(advance_clock_, kCompanionAdvanceClockExport);
  Resolve(wait_idle_, kCompanionWaitIdleExport);
}

CompanionClient::~CompanionClient() { platform::CloseModule(module_); }

std::vector<std::u16string> CompanionClient::Commands() const {
  std::vector<std::u16string> commands;
  const int32_t count = command_count_();
  for (int32_t i = 0; i < count; ++i)
    commands.push_back(CopyText([&](char16_t* out, int32_t capacity) { return copy_command_(i, out, capacity); }));
  return commands;
}

std::u16string CompanionClient::Setting(int32_t window_number, const char* key) const {
  return CopyText(
      [&](char16_t* out, int32_t capacity) { return copy_setting_(window_number, key, out, capacity); });
}
