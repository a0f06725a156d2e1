#pragma once

// The plug-in module loaded by its exports, as the host loads it. Each load
// is a fresh module: its static state is built at open and destroyed at close.

#include <string>

#include "platform/system.h"

namespace testing_support {

class PluginModule {
 public:
  using LoadFn = bool (*)();
  using UnloadFn = void (*)();
  using TextFn = const char16_t* (*)();

  explicit PluginModule(const std::string& path) : module_(platform::OpenModule(path.c_str())) {
    if (!module_) return;
    load_ = reinterpret_cast<LoadFn>(platform::FindExport(module_, "LoadPlugin"));
    unload_ = reinterpret_cast<UnloadFn>(platform::FindExport(module_, "UnloadPlugin"));
    name_ = reinterpret_cast<TextFn>(platform::FindExport(module_, "GetPluginName"));
    description_ = reinterpret_cast<TextFn>(platform::FindExport(module_, "GetPluginDescription"));
  }
  ~PluginModule() { platform::CloseModule(module_); }
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  bool Loaded() const { return module_ && load_ && unload_ && name_ && description_; }
  bool LoadPlugin() const { return load_(); }
  void UnloadPlugin() const { unload_(); }
  std::u16string Name() const { return name_(); }
  std::u16string Description() const { return description_(); }

 private:
  void* module_;
  LoadFn load_ = nullptr;
  UnloadFn unload_ = nullptr;
  TextFn name_ = nullptr;
  TextFn description_ = nullptr;
};

}  // namespace testing_support
