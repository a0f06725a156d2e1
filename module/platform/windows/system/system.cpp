// Windows side of module/platform/system.h: the C runtime's _access, and modules
// through LoadLibraryW and GetProcAddress.

#include "module/platform/system.h"

#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include <string>

namespace platform {

namespace {

// Paths come as UTF-8; the wide API takes every name the file system can hold.
std::wstring Wide(const char* text) {
  const int units = ::MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), units);
  wide.pop_back();
  return wide;
}

}  // namespace

// _access takes the path in the ANSI code page, as the plug-in has always
// called it.
bool FileExists(const char* path) { return path && _access(path, 0) == 0; }

void* OpenModule(const char* path) {
  if (!path) return nullptr;
  const std::wstring wide = Wide(path);
  // LoadLibraryW would look for a relative path in the program's folder
  // first; a path with a folder is meant from the working folder, as
  // everywhere else. A bare name keeps the system's search (mscoree.dll).
  if (wide.find_first_of(L"\\/") == std::wstring::npos) return ::LoadLibraryW(wide.c_str());
  wchar_t full[MAX_PATH];
  const DWORD length = ::GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return ::LoadLibraryW(full);
}

void* FindExport(void* module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseModule(void* module) {
  if (module) ::FreeLibrary(static_cast<HMODULE>(module));
}

void* ModuleContaining(const void* address) {
  HMODULE module = nullptr;
  const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  if (!address || !::GetModuleHandleExW(flags, static_cast<LPCWSTR>(address), &module)) return nullptr;
  return module;
}

void* HoldModuleContaining(const void* address) {
  HMODULE module = nullptr;
  if (!address || !::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, static_cast<LPCWSTR>(address), &module))
    return nullptr;
  return module;
}

void SetEnvironmentValue(const char* name, const char* value) { _putenv_s(name, value); }

// ntdll's own answer, true from the moment ExitProcess has ended the other
// threads, while the modules' static destructors run.
bool ProcessIsExiting() {
  using Query = BOOLEAN(WINAPI*)();
  static const auto query = FindFunction<Query>(::GetModuleHandleA("ntdll.dll"), "RtlDllShutdownInProgress");
  return query && query();
}

}  // namespace platform
