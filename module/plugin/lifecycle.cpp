#include "module/plugin/lifecycle.h"

#include "module/bindings/message_window.h"
#include "module/bridge/commands.h"
#include "module/bridge/runtime.h"
#include "module/host_api/api.h"
#include "module/platform/system.h"
#include "module/plugin/user_messages.h"
#include "module/scene_source/configure.h"
#include "module/scene_source/thanks_source.h"

namespace {

enum class RuntimeStart { Started, Unavailable, Fault };

// Gets and starts the version 4 runtime. A null reference on the way counts
// as the fault a call through it would raise, so none is ever called.
RuntimeStart StartRuntime() {
  if (!MetaHost) return RuntimeStart::Fault;
  if (MetaHost->GetRuntime(kRuntimeVersion, &RuntimeInfo) < 0) return RuntimeStart::Unavailable;
  if (!RuntimeInfo) return RuntimeStart::Fault;
  RuntimeInfo->GetRuntimeHost(&RuntimeHost);
  if (!RuntimeHost) return RuntimeStart::Fault;
  RuntimeHost->Start();
  return RuntimeStart::Started;
}

template <class T>
void ReleaseReference(T*& reference) {
  if (reference) reference->Release();
  reference = nullptr;
}

}  // namespace

bool StartPlugin() {
  if (!platform::FileExists(kCompanionPathA)) OBSMessageBox(nullptr, kMissingCompanionMessage, nullptr, 0);

  RuntimeStart start;
  try {
    start = StartRuntime();
  } catch (...) {
    start = RuntimeStart::Fault;
  }
  if (start != RuntimeStart::Started) {
    OBSMessageBox(nullptr, start == RuntimeStart::Unavailable ? kRuntimeUnavailableMessage : kRuntimeFaultMessage,
                  nullptr, 0);
    return false;
  }

  InitColorControl(platform::ThisModuleInstance());
  OBSRegisterImageSourceClass(kSourceClassName, kSourceDisplayName, CreateThanksSource, ConfigureTextSource);
  return true;
}

void StopPlugin() {
  if (RuntimeHost) {
    SendCommand(String(kQuitCommand));
    RuntimeHost->Stop();
  }
  ReleaseReference(RuntimeInfo);
  ReleaseReference(RuntimeHost);
  ReleaseReference(MetaHost);
  DestroyMessageWindows();
}
