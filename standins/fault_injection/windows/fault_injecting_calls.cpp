// The functions of module/platform/win32.h and gdiplus.h that tests make
// fail, as test builds on Windows have them: the fault hook, then the
// module's pass-through. A failure looks as the system's own would: no
// object, and the last error the system sets.

#include <tuple>

#include "module/platform/windows/win32/passthrough_calls.h"
#include "module/platform/windows/win32/real_types.h"
#include "standins/fault_injection/faults.h"
#include "standins/fault_injection/gdi_faults.h"
#include "standins/fault_injection/gdiplus_fault_frame.h"

namespace win {

HWND CreateWindowExW(DWORD ex_style, const WCHAR* class_name, const WCHAR* window_name, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  if (platform::FaultInjected(platform::FaultPoint::WindowCreation)) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return passthrough::CreateWindowExW(ex_style, class_name, window_name, style, x, y, width, height, parent, menu,
                                      instance, param);
}

HMODULE GetModuleHandleW(const WCHAR* module_name) {
  if (platform::FaultInjected(platform::FaultPoint::ModuleHandle)) {
    ::SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return passthrough::GetModuleHandleW(module_name);
}

HFONT CreateFontIndirectW(const LOGFONTW* font) {
  if (GdiFaultNow(GdiOperation::FontCreation)) return nullptr;
  return passthrough::CreateFontIndirectW(font);
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset) {
  if (GdiFaultNow(GdiOperation::DibSectionCreation)) {
    if (bits) *bits = nullptr;
    return nullptr;
  }
  return passthrough::CreateDIBSection(dc, info, usage, bits, section, offset);
}

}  // namespace win

namespace gdiplus {

#define GDIPLUS_OPERATION(name, parameters, arguments) \
  Status name parameters { return UnlessInjected(Operation::name, body::name, std::make_tuple arguments); }
#include "module/platform/gdiplus_operations.h"

}  // namespace gdiplus
