#include "standins/host_program/options.h"

#include <algorithm>
#include <charconv>
#include <string_view>

const char kPreviewUsage[] =
    "usage: preview [--configure [SOURCE...]] [--script FILE] [--settings FILE] [--canvas WxH] [--frames N]\n"
    "               [--out DIR]\n"
    "       preview --live [--endless] [--script FILE] [--settings FILE] [--canvas WxH] [--out DIR]\n"
    "  --configure [SOURCE...]\n"
    "                   first open the settings form of each named source (of every source when none\n"
    "                   is named) in a browser: the address is printed, the preview waits for Save or\n"
    "                   Cancel, stores saved settings in the scene file, then plays with them\n"
    "  --script FILE    gift script the rooms play (default: demo_gifts.txt beside the program)\n"
    "  --settings FILE  scene settings, read and written back like the host's (default: scene.txt\n"
    "                   beside the program)\n"
    "  --canvas WxH     scene size in pixels (default 1280x720)\n"
    "  --frames N       frames to play at 60 per second (default 2160, 36 s)\n"
    "  --out DIR        where final.png, strip.png, room.webp and host.log go (default: preview-out)\n"
    "  --live           play the scene in real time until Ctrl-C; a page on 127.0.0.1 (its address is\n"
    "                   printed) shows it live, with each source's settings form and a test gift\n"
    "  --endless        with --live: random gifts without end instead of the script, which --live\n"
    "                   otherwise plays over and over\n";

namespace {

bool ParsePositive(std::string_view text, int* value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && *value > 0;
}

bool ParseSize(std::string_view text, int* width, int* height) {
  const std::size_t x = text.find('x');
  return x != std::string_view::npos && ParsePositive(text.substr(0, x), width) &&
         ParsePositive(text.substr(x + 1), height) && *width <= 8192 && *height <= 8192;
}

}  // namespace

std::optional<PreviewOptions> ParseOptions(int argc, char** argv, std::string* error) {
  PreviewOptions options;
  error->clear();
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--help" || option == "-h") return std::nullopt;
    if (option == "--live" || option == "--endless") {
      (option == "--live" ? options.live : options.endless) = true;
      continue;
    }
    if (option == "--configure") {
      options.configure = true;
      while (i + 1 < argc && !std::string_view(argv[i + 1]).starts_with("--"))
        options.configure_sources.emplace_back(argv[++i]);
      continue;
    }
    constexpr std::string_view kOptions[] = {"--script", "--settings", "--out", "--frames", "--canvas"};
    if (std::find(std::begin(kOptions), std::end(kOptions), option) == std::end(kOptions)) {
      *error = "unknown option: " + std::string(option);
      return std::nullopt;
    }
    if (i + 1 >= argc) {
      *error = "missing value for " + std::string(option);
      return std::nullopt;
    }
    const std::string_view value = argv[++i];
    bool ok = true;
    if (option == "--script")
      options.script = value;
    else if (option == "--settings")
      options.settings = value;
    else if (option == "--out")
      options.out = value;
    else if (option == "--frames")
      ok = ParsePositive(value, &options.frames);
    else
      ok = ParseSize(value, &options.canvas_width, &options.canvas_height);
    if (!ok) {
      *error = "bad option: " + std::string(option) + " " + std::string(value);
      return std::nullopt;
    }
  }
  if (options.endless && !options.live) {
    *error = "--endless needs --live";
    return std::nullopt;
  }
  if (options.live && options.configure) {
    *error = "--live configures its sources from its page: no --configure with it";
    return std::nullopt;
  }
  return options;
}
