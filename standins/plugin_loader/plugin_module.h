#pragma once

// The plug-in module, found by its four exports as the host finds it.

#include <string>

class PluginModule {
 public:
  // Opens `path`; ok() tells whether the module and its exports were found.
  explicit PluginModule(const std::string& path);
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  bool ok() const { return module_ && load_ && unload_ && name_ && description_; }
  bool LoadPlugin() const { return load_(); }
  void UnloadPlugin() const { unload_(); }
  std::u16string Name() const { return name_(); }
  std::u16string Description() const { return description_(); }
  // The module's instance handle: the load address of the module holding
  // its exports.
  void* Instance() const;

 private:
  using LoadFn = bool (*)();
  using UnloadFn = void (*)();
  using TextFn = const char16_t* (*)();

  void* module_;
  LoadFn load_ = nullptr;
  UnloadFn unload_ = nullptr;
  TextFn name_ = nullptr;
  TextFn description_ = nullptr;
};
