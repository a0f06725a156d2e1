#pragma once

// Win32 values the stand-in uses that module/platform/win32.h does not declare
// (portable code does not need them). Kept in namespace standin so that they
// never clash with names the portable header may add later.

#include "module/platform/win32.h"

namespace standin {

constexpr win::BOOL FALSE = 0;
constexpr win::BOOL TRUE = 1;

constexpr win::UINT WM_CREATE = 0x0001;
constexpr win::UINT WM_NCCREATE = 0x0081;
constexpr win::UINT WM_NCDESTROY = 0x0082;

constexpr win::UINT CP_UTF8 = 65001;
constexpr win::UINT CP_GBK = 936;
constexpr win::UINT CP_WESTERN = 1252;
constexpr win::DWORD MB_ERR_INVALID_CHARS = 0x0008;

constexpr win::DWORD ERROR_ACCESS_DENIED = 5;
constexpr win::DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr win::DWORD ERROR_INVALID_PARAMETER = 87;
constexpr win::DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr win::DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr win::DWORD ERROR_INVALID_FLAGS = 1004;
constexpr win::DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;
constexpr win::DWORD ERROR_MESSAGE_SYNC_ONLY = 1159;
constexpr win::DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
constexpr win::DWORD ERROR_CLASS_DOES_NOT_EXIST = 1411;
constexpr win::DWORD ERROR_CLASS_HAS_WINDOWS = 1412;
constexpr win::DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// GetMessageW/PeekMessageW filter that selects thread messages only.
inline const win::HWND kThreadMessagesOnly = reinterpret_cast<win::HWND>(~uintptr_t{0});

// What WM_NCCREATE and WM_CREATE carry in lParam, laid out as in winuser.h.
struct CREATESTRUCTW {
  void* lpCreateParams;
  win::HINSTANCE hInstance;
  win::HMENU hMenu;
  win::HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  win::LONG style;
  const win::WCHAR* lpszName;
  const win::WCHAR* lpszClass;
  win::DWORD dwExStyle;
};
static_assert(sizeof(CREATESTRUCTW) == 80, "CREATESTRUCTW layout");

}  // namespace standin
