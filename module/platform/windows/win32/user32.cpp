// user32 services of module/platform/win32.h, passed through.

#include "module/platform/windows/win32/passthrough_calls.h"
#include "module/platform/windows/win32/real_types.h"

namespace win {

using real::As;
using real::Back;

ATOM RegisterClassW(const WNDCLASSW* window_class) { return ::RegisterClassW(As<::WNDCLASSW>(window_class)); }

BOOL UnregisterClassW(const WCHAR* class_name, HINSTANCE instance) {
  return ::UnregisterClassW(As<wchar_t>(class_name), As<::HINSTANCE__>(instance));
}

HWND passthrough::CreateWindowExW(DWORD ex_style, const WCHAR* class_name, const WCHAR* window_name, DWORD style,
                                  int x, int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                  void* param) {
  return Back<HWND>(::CreateWindowExW(ex_style, As<wchar_t>(class_name), As<wchar_t>(window_name), style, x, y, width,
                                      height, As<::HWND__>(parent), As<::HMENU__>(menu), As<::HINSTANCE__>(instance),
                                      param));
}

BOOL DestroyWindow(HWND window) { return ::DestroyWindow(As<::HWND__>(window)); }

BOOL IsWindow(HWND window) { return ::IsWindow(As<::HWND__>(window)); }

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::DefWindowProcW(As<::HWND__>(window), message, wparam, lparam);
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::SendMessageW(As<::HWND__>(window), message, wparam, lparam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::PostMessageW(As<::HWND__>(window), message, wparam, lparam);
}

BOOL GetMessageW(MSG* msg, HWND window, UINT filter_min, UINT filter_max) {
  return ::GetMessageW(As<::MSG>(msg), As<::HWND__>(window), filter_min, filter_max);
}

BOOL PeekMessageW(MSG* msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
  return ::PeekMessageW(As<::MSG>(msg), As<::HWND__>(window), filter_min, filter_max, remove);
}

LRESULT DispatchMessageW(const MSG* msg) { return ::DispatchMessageW(As<::MSG>(msg)); }

void PostQuitMessage(int exit_code) { ::PostQuitMessage(exit_code); }

DWORD GetWindowThreadProcessId(HWND window, DWORD* process_id) {
  return ::GetWindowThreadProcessId(As<::HWND__>(window), As<::DWORD>(process_id));
}

HICON LoadIconW(HINSTANCE instance, const WCHAR* name) {
  return Back<HICON>(::LoadIconW(As<::HINSTANCE__>(instance), As<wchar_t>(name)));
}

HCURSOR LoadCursorW(HINSTANCE instance, const WCHAR* name) {
  return Back<HCURSOR>(::LoadCursorW(As<::HINSTANCE__>(instance), As<wchar_t>(name)));
}

}  // namespace win
