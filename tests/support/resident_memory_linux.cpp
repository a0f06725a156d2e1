#include <fstream>
#include <string>

#include "tests/support/resident_memory.h"

namespace testing_support {

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace testing_support
