#pragma once

#include "platform/win32.h"

namespace standin {

// The executable's module handle, whatever SetModuleHandleFails says.
win::HMODULE ExecutableModule();

}  // namespace standin
