// The module-wide state, in one place so that its order is fixed: built at
// module load in this order, destroyed at unload in the reverse order.
// The meta-host is only released by UnloadPlugin.

#include "plugin/module_state.h"

#include "bindings/binding_table.h"
#include "bindings/using_ascii.h"
#include "bridge/runtime.h"
#include "platform/system.h"

namespace {

clr::ICLRMetaHost* RequestMetaHost() {
  clr::ICLRMetaHost* meta_host = nullptr;
  // A failure is noticed by LoadPlugin, through the null reference.
  clr::CLRCreateInstance(&meta_host);
  return meta_host;
}

}  // namespace

BindingTable Bindings;
const String DefaultHintText(u"设置后将开始显示答谢文字");
String DisplayText(DefaultHintText);
static const bool meta_host_requested = (MetaHost = RequestMetaHost(), true);

int32_t UsingAscii = 0;
unsigned char RenderPending = 1;

std::mutex& SharedStateMutex() {
  static std::mutex mutex;
  return mutex;
}

void* ModuleInstance() { return platform::ThisModuleInstance(); }
