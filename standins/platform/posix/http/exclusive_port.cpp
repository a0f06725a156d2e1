// Linux lets a second socket bind a port only when both ask for it
// (SO_REUSEPORT): a socket that sets no option keeps its port.

#include "standins/platform/exclusive_port.h"

namespace platform {

void KeepPortExclusive(std::uintptr_t) {}

}  // namespace platform
