#pragma once

// The gift script a room plays: one gift event a line (standins/companion/README.md).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace companion {

struct GiftEvent {
  int64_t at_ms = 0;  // from the room's first "start:"
  std::u16string sender;
  std::u16string gift;
  int64_t count = 1;
  int64_t unit_value = 0;  // value of one gift
};

struct GiftScript {
  std::u16string name;             // the file, as errors name it
  std::vector<GiftEvent> events;   // by time; lines of the same time in file order
  std::vector<std::u16string> errors;  // "file:line: reason", one per skipped line
  bool readable = true;                // false: the file could not be read, as errors say
};

// Reads script text; `name` is the file name that error messages start with.
GiftScript ParseGiftScript(std::string_view text, std::u16string_view name);
// Reads the UTF-8 script file at `utf8_path`.
GiftScript LoadGiftScript(const std::string& utf8_path);

// A time of the script: [[h:]mm:]ss[.fff], or nothing when malformed.
std::optional<int64_t> ParseScriptTime(std::u16string_view text);

}  // namespace companion
