#include "preview/plugin_module.h"

#include "platform/system.h"

PluginModule::PluginModule(const std::string& path) : module_(platform::OpenModule(path.c_str())) {
  load_ = reinterpret_cast<LoadFn>(platform::FindExport(module_, "LoadPlugin"));
  unload_ = reinterpret_cast<UnloadFn>(platform::FindExport(module_, "UnloadPlugin"));
  name_ = reinterpret_cast<TextFn>(platform::FindExport(module_, "GetPluginName"));
  description_ = reinterpret_cast<TextFn>(platform::FindExport(module_, "GetPluginDescription"));
}

void* PluginModule::Instance() const { return platform::ModuleContaining(reinterpret_cast<const void*>(load_)); }

PluginModule::~PluginModule() { platform::CloseModule(module_); }
