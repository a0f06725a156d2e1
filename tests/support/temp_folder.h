#pragma once

// A folder of the test's own under the system's temporary folder, unique to
// this process and object, removed with everything in it at the end.

#include <atomic>
#include <filesystem>
#include <random>
#include <string>

namespace testing_support {

class TempFolder {
 public:
  explicit TempFolder(const std::string& purpose) {
    static std::atomic<unsigned> serial{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            (purpose + "-" + std::to_string(random()) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace testing_support
