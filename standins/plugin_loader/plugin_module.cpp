#include "standins/plugin_loader/plugin_module.h"

#include "module/platform/system.h"

PluginModule::PluginModule(const std::string& path) : module_(platform::OpenModule(path.c_str())) {
  load_ = platform::FindFunction<LoadFn>(module_, "LoadPlugin");
  unload_ = platform::FindFunction<UnloadFn>(module_, "UnloadPlugin");
  name_ = platform::FindFunction<TextFn>(module_, "GetPluginName");
  description_ = platform::FindFunction<TextFn>(module_, "GetPluginDescription");
}

void* PluginModule::Instance() const { return platform::ModuleContaining(reinterpret_cast<const void*>(load_)); }

PluginModule::~PluginModule() { platform::CloseModule(module_); }
