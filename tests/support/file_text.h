#pragma once

// A file's whole content, as the tests read what a program wrote; empty for
// a file that cannot be opened. The file is closed on return.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testing_support {

inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace testing_support
