// Windows lets a socket that sets SO_REUSEADDR bind a port another socket is
// listening on, unless that one took it with SO_EXCLUSIVEADDRUSE.

#include <winsock2.h>

#include "standins/platform/exclusive_port.h"

namespace platform {

void KeepPortExclusive(std::uintptr_t listening) {
  const BOOL exclusive = TRUE;
  setsockopt(static_cast<SOCKET>(listening), SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
             sizeof exclusive);
}

}  // namespace platform
