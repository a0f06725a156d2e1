#include "standins/win32/last_error.h"

namespace {
thread_local win::DWORD t_last_error = 0;
}  // namespace

namespace standin {

void SetLastError(win::DWORD error) { t_last_error = error; }

}  // namespace standin

namespace win {

DWORD GetLastError() { return t_last_error; }

}  // namespace win
