#pragma once

#include "module/platform/win32.h"

namespace standin {

// The executable's module handle, whatever faults are injected.
win::HMODULE ExecutableModule();

}  // namespace standin
