#pragma once

// The pass-throughs of the functions of module/platform/win32.h that tests
// make fail: the interface's functions of the same names call them, straight
// (direct/direct_calls.cpp, what the module links) or behind the fault hooks of test
// builds (standins/fault_injection/windows/).

#include "module/platform/win32.h"

namespace win::passthrough {

HWND CreateWindowExW(DWORD ex_style, const WCHAR* class_name, const WCHAR* window_name, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
HMODULE GetModuleHandleW(const WCHAR* module_name);
HFONT CreateFontIndirectW(const LOGFONTW* font);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset);

}  // namespace win::passthrough
