#pragma once

// Small operating-system services the portable code needs, one function each.

#include <type_traits>

namespace platform {

// True when the file at `path` exists. `path` uses Windows separators ("\"),
// relative paths are relative to the working folder.
bool FileExists(const char* path);

// Opens the native module at `path` (Windows separators). Null on failure.
void* OpenModule(const char* path);
// The address of export `name` in a module from OpenModule, or null.
void* FindExport(void* module, const char* name);
// Export `name` as a pointer of the function type FnPointer, or null. The
// system hands out untyped addresses; this is the one place that turns one
// into a function pointer, so FnPointer must be the export's real type,
// calling convention included.
template <class FnPointer>
FnPointer FindFunction(void* module, const char* name) {
  static_assert(std::is_function_v<std::remove_pointer_t<FnPointer>>, "a function pointer type");
  return reinterpret_cast<FnPointer>(FindExport(module, name));
}
void CloseModule(void* module);
// The instance handle (load address) of the loaded module holding `address`,
// or null when no module holds it.
void* ModuleContaining(const void* address);
// Opens the loaded module holding `address` once more, so that it stays
// loaded until CloseModule of the result; null when no module holds it.
void* HoldModuleContaining(const void* address);

// Sets an environment variable of this process (for the runtime's own
// settings, which it reads when it starts).
void SetEnvironmentValue(const char* name, const char* value);

// The instance handle of the module this code is linked into, as its load
// notification reported it.
void* ThisModuleInstance();

// True while the process is ending and its other threads may already have
// been ended without finishing (Windows ends them before the modules'
// static destructors run; Linux leaves them running until the end).
bool ProcessIsExiting();

}  // namespace platform
