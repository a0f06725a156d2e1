// Feeds the preview's command-line reader arbitrary arguments, separated by
// zero bytes. An accepted command line must give a canvas the preview can
// draw and a positive frame count; a refused one says why, unless it asked
// for help.

#include <cstdint>
#include <string>
#include <vector>

#include "standins/host_program/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> arguments{"preview"};
  std::string current;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(data[i]);
    }
  }
  if (!current.empty()) arguments.push_back(current);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  std::string error;
  const std::optional<PreviewOptions> options = ParseOptions(static_cast<int>(arguments.size()), argv.data(), &error);
  if (options) {
    if (!error.empty()) __builtin_trap();
    if (options->canvas_width < 1 || options->canvas_width > 8192) __builtin_trap();
    if (options->canvas_height < 1 || options->canvas_height > 8192) __builtin_trap();
    if (options->frames < 1) __builtin_trap();
  } else if (error.empty()) {
    bool asked_for_help = false;
    for (const std::string& argument : arguments) asked_for_help |= argument == "--help" || argument == "-h";
    if (!asked_for_help) __builtin_trap();
  }
  return 0;
}
