// The functions of module/platform/win32.h and gdiplus.h that tests make fail,
// as the module has them: each runs its pass-through, with no hook between.

#include <tuple>

#include "module/platform/common/gdiplus_operation_frame.h"
#include "module/platform/windows/win32/passthrough_calls.h"

namespace win {

HWND CreateWindowExW(DWORD ex_style, const WCHAR* class_name, const WCHAR* window_name, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return passthrough::CreateWindowExW(ex_style, class_name, window_name, style, x, y, width, height, parent, menu,
                                      instance, param);
}

HMODULE GetModuleHandleW(const WCHAR* module_name) { return passthrough::GetModuleHandleW(module_name); }

HFONT CreateFontIndirectW(const LOGFONTW* font) { return passthrough::CreateFontIndirectW(font); }

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset) {
  return passthrough::CreateDIBSection(dc, info, usage, bits, section, offset);
}

}  // namespace win

namespace gdiplus {

#define GDIPLUS_OPERATION(name, parameters, arguments) \
  Status name parameters { return RunOperation(body::name, std::make_tuple arguments); }
#include "module/platform/gdiplus_operations.h"

}  // namespace gdiplus
