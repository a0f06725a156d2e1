// A console, not _isatty: that is true for any character device, NUL too.

#include "standins/platform/terminal.h"

#include <windows.h>

namespace platform {

bool StderrIsTerminal() {
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace platform
