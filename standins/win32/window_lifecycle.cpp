// Creating and destroying windows, and what can be asked about one.
//
// Windows are hidden and have no parent/child relation: the parent, menu,
// position and style arguments reach the procedure in CREATESTRUCTW and
// change nothing else.

#include <unistd.h>

#include "standins/fault_injection/faults.h"
#include "standins/win32/last_error.h"
#include "standins/win32/message_queue.h"
#include "standins/win32/win32_values.h"

namespace {

using namespace standin;

// Delivers the closing messages, then forgets the window. A window whose
// WM_NCCREATE failed never existed for its procedure, so, as on Win32, it
// gets WM_NCDESTROY only.
void Destroy(win::HWND window, bool announce) {
  Guard guard(System().lock);
  if (standin::Window* target = FindWindow(guard, window)) target->destroying = true;
  if (announce) CallProcedure(guard, window, win::WM_DESTROY, 0, 0);
  CallProcedure(guard, window, WM_NCDESTROY, 0, 0);
  ForgetWindow(guard, window);
}

}  // namespace

namespace win {

HWND CreateWindowExW(DWORD ex_style, const WCHAR* class_name, const WCHAR* window_name, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  if (platform::FaultInjected(platform::FaultPoint::WindowCreation)) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  HWND window = nullptr;
  {
    Guard guard(System().lock);
    WindowClass* window_class = FindClass(guard, class_name, instance);
    if (window_class == nullptr) {
      SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
      return nullptr;
    }
    window = AddWindow(guard, *window_class, CurrentQueue());
  }
  CREATESTRUCTW create{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style),
                       window_name, class_name, ex_style};
  const auto create_param = reinterpret_cast<LPARAM>(&create);
  if (SendMessageW(window, WM_NCCREATE, 0, create_param) == FALSE) {
    Destroy(window, false);
    return nullptr;
  }
  if (SendMessageW(window, WM_CREATE, 0, create_param) == -1) {
    DestroyWindow(window);
    return nullptr;
  }
  // The procedure may have destroyed the window while it was being created.
  return IsWindow(window) ? window : nullptr;
}

BOOL DestroyWindow(HWND window) {
  {
    Guard guard(System().lock);
    standin::Window* target = FindWindow(guard, window);
    if (target == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    if (target->owner->thread_id != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    // Called again from WM_DESTROY or WM_NCDESTROY: the outer call finishes.
    if (target->destroying) return TRUE;
  }
  Destroy(window, true);
  return TRUE;
}

BOOL IsWindow(HWND window) {
  Guard guard(System().lock);
  return FindWindow(guard, window) != nullptr;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_NCCREATE:
      return TRUE;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    default:
      return 0;
  }
}

DWORD GetWindowThreadProcessId(HWND window, DWORD* process_id) {
  Guard guard(System().lock);
  const standin::Window* target = FindWindow(guard, window);
  if (target == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (process_id != nullptr) *process_id = static_cast<DWORD>(getpid());
  return target->owner->thread_id;
}

}  // namespace win
