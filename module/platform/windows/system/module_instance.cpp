// The module instance handle, as the loader reports it to DllMain. Linked into
// every module that asks for ThisModuleInstance; a program has no DllMain call
// and gets null.

#include "module/platform/system.h"

#include <windows.h>

namespace {

HINSTANCE this_module = nullptr;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  // Only the attach notification carries the instance for this module.
  if (reason == DLL_PROCESS_ATTACH) this_module = instance;
  return TRUE;
}

namespace platform {

void* ThisModuleInstance() { return this_module; }

}  // namespace platform
