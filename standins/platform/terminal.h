#pragma once

// Whether the process's standard error goes to a terminal (so that a
// progress bar redrawn in place makes sense there).

namespace platform {

bool StderrIsTerminal();

}  // namespace platform
