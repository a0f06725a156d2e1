// POSIX side of module/platform/system.h.

#include "module/platform/system.h"

#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

namespace platform {

namespace {

std::string NativePath(const char* path) {
  std::string native(path ? path : "");
  for (char& c : native)
    if (c == '\\') c = '/';
  return native;
}

}  // namespace

bool FileExists(const char* path) { return access(NativePath(path).c_str(), F_OK) == 0; }

void* OpenModule(const char* path) {
  std::string native = NativePath(path);
  // dlopen searches the library path for bare names; a file name is meant.
  if (native.find('/') == std::string::npos) native = "./" + native;
  return dlopen(native.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindExport(void* module, const char* name) { return module ? dlsym(module, name) : nullptr; }

void CloseModule(void* module) {
  if (module) dlclose(module);
}

void SetEnvironmentValue(const char* name, const char* value) { setenv(name, value, 1); }

// A module instance handle on Windows is the module's load address.
void* ModuleContaining(const void* address) {
  Dl_info info{};
  if (!address || dladdr(address, &info) == 0) return nullptr;
  return info.dli_fbase;
}

void* HoldModuleContaining(const void* address) {
  Dl_info info{};
  if (!address || dladdr(address, &info) == 0 || !info.dli_fname) return nullptr;
  return dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
}

void* ThisModuleInstance() { return ModuleContaining(reinterpret_cast<const void*>(&ThisModuleInstance)); }

// exit() runs the static destructors with every other thread still running.
bool ProcessIsExiting() { return false; }

}  // namespace platform
