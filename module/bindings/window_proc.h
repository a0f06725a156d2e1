#pragma once

#include "module/platform/win32.h"

// Messages the companion sends to a source's window.
inline constexpr win::UINT SwitchToAnsi = win::WM_USER + 5;
inline constexpr win::UINT SwitchToUtf16 = win::WM_USER + 6;

// WM_COPYDATA codes (COPYDATASTRUCT::dwData).
enum CopyDataCode : win::ULONG_PTR {
  TextUpdate = 1,
  SetIntSetting = 101,
  SetStringSetting = 102,
  SetColorSetting = 103,
  LogLine = 200,
  SetRandomForeColor = 203,
};

// The procedure of every message window: stores thanks texts in the window's
// binding, writes settings into its element and passes lines to the host log.
win::LRESULT WIN_CALLBACK MessageWindowProc(win::HWND window, win::UINT message, win::WPARAM wparam,
                                            win::LPARAM lparam);
