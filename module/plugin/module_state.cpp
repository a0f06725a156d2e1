// The module-wide state. Each layer keeps its own piece and says how to make
// and unmake it; this file is the one place that orders them. Its object is
// built when the module is loaded and destroyed when it is unloaded, and
// every program that runs the plug-in's code links this file for the same
// reason.

#include "module/bindings/binding_table.h"
#include "module/bridge/runtime.h"
#include "module/scene_source/display_text.h"

namespace {

// A failure is noticed by LoadPlugin, through the null reference.
void RequestMetaHost() {
  MetaHost = nullptr;
  clr::CLRCreateInstance(&MetaHost);
}

class ModuleState {
 public:
  // The load order: the binding table, DefaultHintText, DisplayText (a copy
  // of the hint, so it comes after it) and the meta-host request.
  ModuleState() {
    CreateBindingTable();
    CreateDefaultHintText();
    CreateDisplayText();
    RequestMetaHost();
  }
  // The reverse. The meta-host is released by UnloadPlugin, not here.
  ~ModuleState() {
    DestroyDisplayText();
    DestroyDefaultHintText();
    DestroyBindingTable();
  }
  ModuleState(const ModuleState&) = delete;
  ModuleState& operator=(const ModuleState&) = delete;
};

const ModuleState module_state;

}  // namespace
