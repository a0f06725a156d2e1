#include <unistd.h>

#include "standins/platform/terminal.h"

namespace platform {

bool StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace platform
