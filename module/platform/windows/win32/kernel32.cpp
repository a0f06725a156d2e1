// kernel32 services of module/platform/win32.h, passed through.

#include "module/platform/windows/win32/passthrough_calls.h"
#include "module/platform/windows/win32/real_types.h"

namespace win {

using real::As;
using real::Back;

HMODULE passthrough::GetModuleHandleW(const WCHAR* module_name) {
  return Back<HMODULE>(::GetModuleHandleW(As<wchar_t>(module_name)));
}

DWORD GetCurrentThreadId() { return ::GetCurrentThreadId(); }

DWORD GetLastError() { return ::GetLastError(); }

int MultiByteToWideChar(UINT code_page, DWORD flags, const char* src, int src_bytes, WCHAR* dst, int dst_units) {
  return ::MultiByteToWideChar(code_page, flags, src, src_bytes, As<wchar_t>(dst), dst_units);
}

}  // namespace win
