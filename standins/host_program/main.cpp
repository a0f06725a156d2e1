// preview: plays the host for the thanks source. Loads the plug-in from
// plugins/ with its companion, configures and creates the scene's sources,
// plays the gift script on a virtual 60 fps clock and writes the last frame
// and a strip of frames as PNG files and the room as an animated WebP; or,
// with --live, plays it in real time for a page in a browser.

#include <cstdio>
#include <filesystem>

#include "standins/host_program/live_run.h"
#include "standins/host_program/options.h"
#include "standins/host_program/preview_run.h"

int main(int argc, char** argv) {
  std::string error;
  std::optional<PreviewOptions> options = ParseOptions(argc, argv, &error);
  if (!options) {
    if (!error.empty()) std::fprintf(stderr, "preview: %s\n", error.c_str());
    std::fputs(kPreviewUsage, error.empty() ? stdout : stderr);
    return error.empty() ? 0 : 2;
  }
  namespace fs = std::filesystem;
  // Paths given are from the working folder, the defaults beside the program.
  const fs::path program_folder = fs::absolute(argv[0]).parent_path();
  const auto resolve = [&](std::string& path, const char* default_name) {
    path = path.empty() ? (program_folder / default_name).string() : fs::absolute(path).string();
  };
  resolve(options->script, "demo_gifts.txt");
  resolve(options->settings, "scene.txt");
  resolve(options->out, "preview-out");
  // The host runs in its own folder, where the plug-in finds its companion.
  std::error_code changed;
  fs::current_path(program_folder, changed);
  if (changed) {
    std::fprintf(stderr, "preview: cannot enter %s\n", program_folder.string().c_str());
    return 1;
  }
  return options->live ? RunLive(*options) : RunPreview(*options);
}
