// Feeds the stand-in companion's command dispatcher lines of UTF-8 text, one
// command a line, as the plug-in sends them: "init:", "Set:" with its 27
// values, "start:", "stop:", "ShowForm:", "ASCII", "quit" and anything else.
// No window exists, so every message the companion sends finds no receiver;
// no gift script is loaded, so no record file is written.

#include <cstdint>
#include <string_view>

#include "standins/companion/companion.h"
#include "standins/text/utf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  companion::Companion companion;
  companion.UseManualClock(true);
  std::string_view lines(reinterpret_cast<const char*>(data), size);
  while (!lines.empty()) {
    const std::size_t end = lines.find('\n');
    const std::u16string command = text::FromUtf8(lines.substr(0, end));
    const int32_t answer = companion.Command(command);
    // The answers are 0 or -1, and whatever the form was told to give.
    if (answer != 0 && answer != -1) __builtin_trap();
    if (command.starts_with(u"start:")) companion.AdvanceClock(1000);
    lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
  }
  companion.Command(u"quit");
  return 0;
}
