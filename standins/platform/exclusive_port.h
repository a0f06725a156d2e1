#pragma once

// A listening port no other program can share: the options a server socket
// takes before it is bound.

#include <cstdint>

namespace platform {

// `socket` is the system's socket (a SOCKET on Windows, a descriptor
// elsewhere), not yet bound.
void KeepPortExclusive(std::uintptr_t socket);

}  // namespace platform
