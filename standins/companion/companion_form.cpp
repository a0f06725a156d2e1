// The settings form in a browser: served while "ShowForm:" waits, it sends
// the saved changes to the source's window from the companion's own thread.

#include "standins/companion/companion.h"
#include "standins/companion/form_json.h"
#include "standins/companion/message_pump.h"
#include "standins/web/json_text.h"

namespace companion {

int32_t Companion::ServeForm(Lock& lock, int32_t window) {
  rooms_.try_emplace(window, window);
  OpenForm form{window, std::nullopt};
  const int32_t port = form_port_;
  const CompanionFormOpenedFn opened = form_opened_;
  void* const context = form_context_;
  int32_t answer = kFormUnavailable;
  // The server's threads take the lock; it is not held while the server
  // starts or stops, nor while the host hears of the address.
  lock.unlock();
  {
    FormServer server(port, FormHandlers{[this, window] { return FormData(window); },
                                         [this, &form](const FormParams& params) { return SaveForm(form, params); },
                                         [this, &form] { return CloseForm(form, kFormCancelled); },
                                         [this, window] {
                                           Lock held(mutex_);
                                           QueueSampleGift(window);
                                         },
                                         [this, &form] { CloseForm(form, kFormUnavailable); }});
    if (server.ok()) {
      if (opened) opened(window, server.Url().c_str(), context);
      lock.lock();
      // The form waits for the person as long as it takes; this thread
      // dispatches its windows' messages meanwhile, the saved settings
      // among them.
      PumpUntil(lock, changed_, [&] { return form.answer && last_handled_ >= form.last_message; });
      answer = *form.answer;
      lock.unlock();
    }
  }
  lock.lock();
  return answer;
}

std::string Companion::FormData(int32_t window) {
  Lock lock(mutex_);
  return FormJson(rooms_.try_emplace(window, window).first->second.Settings());
}

FormReply Companion::SaveForm(OpenForm& form, const FormParams& params) {
  Lock lock(mutex_);
  if (form.answer) return {409, web::JsonError("", "表单已关闭")};
  Room& room = rooms_.try_emplace(form.window, form.window).first->second;
  FormError error;
  std::optional<RoomSettings> settings = ReadForm(room.Settings(), params, &error);
  if (!settings) return {400, web::JsonError(error.key, error.reason)};
  for (SettingMessage& message : ChangedSettings(room.Settings(), *settings))
    Queue(form.window, CopyDataText{message.code, std::move(message.payload)});
  // The room plays on with what was saved, as the next "Set:" line would say.
  QueueRoomActions(form.window, room.Apply(std::move(*settings)));
  form.answer = kFormSaved;
  form.last_message = last_queued_;
  WorkChanged();
  // The page hears "saved" once the window holds the settings.
  changed_.wait(lock, [&] { return last_handled_ >= form.last_message; });
  return {200, R"({"saved":true})"};
}

bool Companion::CloseForm(OpenForm& form, int32_t answer) {
  Lock lock(mutex_);
  if (form.answer) return false;
  form.answer = answer;
  WorkChanged();
  return true;
}

}  // namespace companion
