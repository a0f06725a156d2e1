// The module's four entry points, the only symbols it exports.

#include "plugin/lifecycle.h"
#include "plugin_export.h"

extern "C" {

PLUGIN_EXPORT bool LoadPlugin() { return StartPlugin(); }

PLUGIN_EXPORT void UnloadPlugin() { StopPlugin(); }

PLUGIN_EXPORT const char16_t* GetPluginName() { return kSourceClassName; }

PLUGIN_EXPORT const char16_t* GetPluginDescription() { return kPluginDescription; }

}  // extern "C"
