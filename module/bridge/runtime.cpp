#include "module/bridge/runtime.h"

#include "module/host_api/string.h"

clr::ICLRMetaHost* MetaHost = nullptr;
clr::ICLRRuntimeInfo* RuntimeInfo = nullptr;
clr::ICLRRuntimeHost* RuntimeHost = nullptr;

CommandResult SendCommandChecked(const String& text) {
  uint32_t result = 0;
  const clr::HRESULT status = RuntimeHost->ExecuteInDefaultAppDomain(kCompanionPath, kCompanionType,
                                                                     kCompanionMethod, text.c_str(), &result);
  return {status >= 0, static_cast<int>(result)};
}

int SendCommand(const String& text) { return SendCommandChecked(text).answer; }
