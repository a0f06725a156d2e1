#pragma once

// Runs a test script with its output (stdout and stderr) in a file of the
// test's own folder, so that a failure can say what failed: the lines the
// script wrote for its failed checks ("check failed: …"), or, where it
// failed without one (a crash, a traceback), its last lines.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/file_text.h"

namespace testing_support {

class ScriptRun {
 public:
  ScriptRun(const std::string& command, const std::filesystem::path& output_file)
      : status_(std::system((command + " >'" + output_file.string() + "' 2>&1").c_str())),
        output_(FileText(output_file)) {}

  // Success when the script exited 0; otherwise how it ended and what it
  // reported.
  ::testing::AssertionResult Passed() const {
    if (status_ == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Ending() << "\n" << Reported();
  }
  const std::string& output() const { return output_; }

 private:
  std::string Ending() const {
    if (WIFEXITED(status_)) return "the script exited with " + std::to_string(WEXITSTATUS(status_));
    if (WIFSIGNALED(status_)) return "the script ended by signal " + std::to_string(WTERMSIG(status_));
    return "the script could not be run: " + std::to_string(status_);
  }

  // Its failed checks, or its last lines where it named none.
  std::string Reported() const {
    constexpr std::size_t kLastLines = 15;
    std::vector<std::string> lines, failed;
    std::istringstream text(output_);
    for (std::string line; std::getline(text, line);) {
      if (line.starts_with("check failed: ")) failed.push_back(line);
      lines.push_back(line);
    }
    if (failed.empty()) lines.erase(lines.begin(), lines.end() - std::min(lines.size(), kLastLines));
    std::string report;
    for (const std::string& line : failed.empty() ? lines : failed) report += line + "\n";
    return report;
  }

  int status_;
  std::string output_;
};

}  // namespace testing_support
