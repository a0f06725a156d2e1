#pragma once

// The handle types of module/platform/win32.h, for code that passes handles on or
// names them without calling the window system: opaque pointers, as in
// Win32.

namespace win {

struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;
struct HMENU__;
using HMENU = HMENU__*;
using HGDIOBJ = void*;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;
struct HFONT__;
using HFONT = HFONT__*;
struct HBITMAP__;
using HBITMAP = HBITMAP__*;
struct HDC__;
using HDC = HDC__*;

}  // namespace win
