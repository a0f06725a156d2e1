#pragma once

// The preview's command line.

#include <optional>
#include <string>
#include <vector>

struct PreviewOptions {
  std::string script;    // empty: demo_gifts.txt beside the program
  std::string settings;  // empty: scene.txt beside the program; written back at the end
  int canvas_width = 1280;
  int canvas_height = 720;
  int frames = 36 * 60;  // the demo script's half minute and the last line's show time
  std::string out = "preview-out";  // in the working folder
  int strip_frames = 12;
  // --configure: each source's settings form is served to a browser first.
  bool configure = false;
  std::vector<std::string> configure_sources;  // empty: every source
  // --live: the scene plays in real time, shown on a page for a browser.
  bool live = false;
  bool endless = false;  // --endless: random gifts instead of the script
};

// The options, or nothing (and *error says why) for a bad command line.
// "--help" gives nothing with an empty *error.
std::optional<PreviewOptions> ParseOptions(int argc, char** argv, std::string* error);

extern const char kPreviewUsage[];
