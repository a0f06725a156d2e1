#pragma once

// The subset of the Win32 user and GDI services the plug-in, the companion and
// the stand-in host use, declared without <windows.h> so that portable code
// compiles the same everywhere. Text is UTF-16 (char16_t), never wchar_t.
//
// The build picks the implementation: on Windows each function passes straight
// through to user32/gdi32; elsewhere a stand-in library provides a small
// message system and memory device contexts over GDI+.
//
// Threading follows Win32: a window belongs to the thread that created it and
// its procedure runs only on that thread, when the thread dispatches messages
// (or directly, for a SendMessageW from that same thread). A SendMessageW from
// another thread blocks until the owner thread handles it.

#include <cstdint>

#include "module/platform/calling_conventions.h"
#include "module/platform/win32_handles.h"
#include "platform_export.h"

namespace win {

using BOOL = int32_t;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using LONG = int32_t;
using UINT = uint32_t;
using ATOM = uint16_t;
using WCHAR = char16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using ULONG_PTR = uintptr_t;

// The system calls a window procedure __stdcall on 32-bit Windows: one
// declared without WIN_CALLBACK does not convert to this type.
using WNDPROC = LRESULT(WIN_CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSW {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  const WCHAR* lpszMenuName;
  const WCHAR* lpszClassName;
};

struct COPYDATASTRUCT {
  ULONG_PTR dwData;
  DWORD cbData;
  void* lpData;
};

struct POINT {
  LONG x;
  LONG y;
};

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

struct LOGFONTW {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  WCHAR lfFaceName[32];
};

struct LOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[32];
};

struct BITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};

struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA layout");
static_assert(sizeof(LOGFONTW) == 92, "LOGFONTW layout");
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER layout");

constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_COPYDATA = 0x004A;
constexpr UINT WM_USER = 0x0400;

constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;
constexpr UINT CP_ACP = 0;
constexpr int BLACK_BRUSH = 4;
constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;

// MAKEINTRESOURCE for the predefined icon and cursor ids.
inline const WCHAR* MakeIntResource(uintptr_t id) { return reinterpret_cast<const WCHAR*>(id); }
constexpr uintptr_t IDI_APPLICATION = 32512;
constexpr uintptr_t IDC_CROSS = 32515;

// user32 / kernel32
PLATFORM_EXPORT HMODULE WIN_API GetModuleHandleW(const WCHAR* module_name);
PLATFORM_EXPORT ATOM WIN_API RegisterClassW(const WNDCLASSW* window_class);
PLATFORM_EXPORT BOOL WIN_API UnregisterClassW(const WCHAR* class_name, HINSTANCE instance);
PLATFORM_EXPORT HWND WIN_API CreateWindowExW(DWORD ex_style, const WCHAR* class_name, const WCHAR* window_name,
                                             DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                                             HINSTANCE instance, void* param);
PLATFORM_EXPORT BOOL WIN_API DestroyWindow(HWND window);
PLATFORM_EXPORT BOOL WIN_API IsWindow(HWND window);
PLATFORM_EXPORT LRESULT WIN_API DefWindowProcW(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
PLATFORM_EXPORT LRESULT WIN_API SendMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
PLATFORM_EXPORT BOOL WIN_API PostMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
PLATFORM_EXPORT BOOL WIN_API GetMessageW(MSG* msg, HWND window, UINT filter_min, UINT filter_max);
PLATFORM_EXPORT BOOL WIN_API PeekMessageW(MSG* msg, HWND window, UINT filter_min, UINT filter_max, UINT remove);
PLATFORM_EXPORT LRESULT WIN_API DispatchMessageW(const MSG* msg);
PLATFORM_EXPORT void WIN_API PostQuitMessage(int exit_code);
PLATFORM_EXPORT DWORD WIN_API GetWindowThreadProcessId(HWND window, DWORD* process_id);
PLATFORM_EXPORT DWORD WIN_API GetCurrentThreadId();
PLATFORM_EXPORT DWORD WIN_API GetLastError();
PLATFORM_EXPORT HICON WIN_API LoadIconW(HINSTANCE instance, const WCHAR* name);
PLATFORM_EXPORT HCURSOR WIN_API LoadCursorW(HINSTANCE instance, const WCHAR* name);
PLATFORM_EXPORT int WIN_API MultiByteToWideChar(UINT code_page, DWORD flags, const char* src, int src_bytes, WCHAR* dst,
                                                int dst_units);

// gdi32
PLATFORM_EXPORT HGDIOBJ WIN_API GetStockObject(int object);
PLATFORM_EXPORT HFONT WIN_API CreateFontIndirectW(const LOGFONTW* font);
PLATFORM_EXPORT int WIN_API GetObjectA(HGDIOBJ object, int size, void* out);
PLATFORM_EXPORT HDC WIN_API CreateCompatibleDC(HDC dc);
PLATFORM_EXPORT HBITMAP WIN_API CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section,
                                                 DWORD offset);
PLATFORM_EXPORT BOOL WIN_API DeleteObject(HGDIOBJ object);
PLATFORM_EXPORT BOOL WIN_API DeleteDC(HDC dc);

}  // namespace win
