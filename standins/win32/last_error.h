#pragma once

#include "module/platform/win32.h"

namespace standin {

// The calling thread's last-error code, as GetLastError reports it. Like
// Win32, functions set it on failure and leave it alone on success.
void SetLastError(win::DWORD error);

}  // namespace standin
