#pragma once

// A folder of the test's own under the system's temporary folder: its name
// ends in a random number and it is created new, so two runs of the same
// test at once never share it. Removed with its contents when the object
// goes.

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace testing_support {

class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    std::random_device random;
    // The clock as well: some runtimes' random_device repeats its sequence.
    std::mt19937_64 numbers(random() ^ static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    do {
      path_ = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(numbers()));
    } while (!std::filesystem::create_directory(path_));  // false: the name is taken
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& child) const { return path_ / child; }

 private:
  std::filesystem::path path_;
};

}  // namespace testing_support
