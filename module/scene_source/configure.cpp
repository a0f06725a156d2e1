#include "module/scene_source/configure.h"

#include <mutex>

#include "module/bindings/message_window.h"
#include "module/bridge/commands.h"
#include "module/bridge/runtime.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/host_api/api.h"

namespace {

constexpr char16_t kConfigureFailedMessage[] = u"发生错误,设置失败，请检查插件文件是否损坏";
constexpr int kFormSaved = 0;
constexpr int kFormCancelled = 1;

}  // namespace

bool ConfigureTextSource(XElement* element, bool) {
  if (!element) {
    AppWarning(u"ConfigureTextSource: NULL element");
    return false;
  }
  XElement* data = element->GetElement(u"data");
  if (!data) data = element->CreateElement(u"data");
  if (!RuntimeHost) return false;

  const BindResult binding = BindOrCreate(data);
  BuildAndSendSettings(data, binding.window);
  // Returns when the companion's form has closed. A call the runtime could
  // not make at all showed no form and saved nothing: that is a failure,
  // not an answer of 0.
  const CommandResult form = SendCommandChecked(WindowCommand(kShowFormCommand, binding.window));
  if (form.delivered && form.answer == kFormCancelled) return false;
  if (!form.delivered || form.answer != kFormSaved) {
    OBSMessageBox(nullptr, kConfigureFailedMessage, nullptr, 0);
    return false;
  }
  MeasureBaseSize(data);
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  element->SetFloat(u"cx", data->GetFloat(u"baseSizeCX", 0.0f));
  element->SetFloat(u"cy", data->GetFloat(u"baseSizeCY", 0.0f));
  return true;
}
