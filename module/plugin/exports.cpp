// The module's four entry points, the only symbols it exports. The host that
// calls them is built without C++ exception handling: none may let one out.

#include "module/plugin/lifecycle.h"
#include "plugin_export.h"

extern "C" {

PLUGIN_EXPORT bool LoadPlugin() {
  try {
    return StartPlugin();
  } catch (...) {
    return false;
  }
}

PLUGIN_EXPORT void UnloadPlugin() {
  try {
    StopPlugin();
  } catch (...) {
  }
}

PLUGIN_EXPORT const char16_t* GetPluginName() { return kSourceClassName; }

PLUGIN_EXPORT const char16_t* GetPluginDescription() { return kPluginDescription; }

}  // extern "C"
