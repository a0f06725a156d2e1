#include "module/bridge/shared_state_mutex.h"

std::mutex& SharedStateMutex() {
  static std::mutex mutex;
  return mutex;
}
