#include <algorithm>

#include "standins/win32/fake_handles.h"
#include "standins/win32/last_error.h"
#include "standins/win32/win32_values.h"
#include "standins/win32/window_registry.h"

namespace {

using namespace standin;

bool AtomInUse(const WindowSystem& system, win::ATOM atom) {
  return std::any_of(system.classes.begin(), system.classes.end(),
                     [&](const auto& window_class) { return window_class->atom == atom; });
}

// Class atoms come from the string-atom range, 0xC000 to 0xFFFF; 0 when full.
win::ATOM FreeAtom(const WindowSystem& system) {
  for (win::ATOM atom = 0xC000; atom != 0; ++atom) {
    if (!AtomInUse(system, atom)) return atom;
  }
  return 0;
}

}  // namespace

namespace win {

ATOM RegisterClassW(const WNDCLASSW* window_class) {
  if (window_class == nullptr || window_class->lpfnWndProc == nullptr ||
      window_class->lpszClassName == nullptr || IsAtom(window_class->lpszClassName)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // A class registered without a module belongs to the executable, as on Win32.
  const HINSTANCE instance = window_class->hInstance ? window_class->hInstance : ExecutableModule();
  Guard guard(System().lock);
  WindowSystem& system = System();
  if (FindClass(guard, window_class->lpszClassName, instance) != nullptr) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  const ATOM atom = FreeAtom(system);
  if (atom == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  system.classes.push_back(std::make_unique<WindowClass>(
      WindowClass{FoldClassName(window_class->lpszClassName), instance, window_class->lpfnWndProc, atom}));
  return atom;
}

BOOL UnregisterClassW(const WCHAR* class_name, HINSTANCE instance) {
  Guard guard(System().lock);
  WindowClass* window_class = FindClass(guard, class_name, instance);
  if (window_class == nullptr) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (window_class->windows != 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  std::erase_if(System().classes, [&](const auto& entry) { return entry.get() == window_class; });
  return TRUE;
}

}  // namespace win
