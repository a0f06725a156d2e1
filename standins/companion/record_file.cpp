#include "standins/companion/record_file.h"

#include <fstream>

namespace companion {

bool AppendRecordLine(const std::filesystem::path& file, const std::string& utf8_line) {
  std::ofstream out(file, std::ios::binary | std::ios::app);
  out << utf8_line;
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace companion
