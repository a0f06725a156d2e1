// Feeds the gift script reader arbitrary text. Whatever it reads must hold
// what the rooms rely on: events in time order with a count from 1 and a
// value from 0, and one "file:line: reason" error per skipped line.

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "standins/companion/gift_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const companion::GiftScript script = companion::ParseGiftScript(text, u"fuzz.txt");
  const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  if (script.events.size() + script.errors.size() > lines) __builtin_trap();
  for (std::size_t i = 0; i < script.events.size(); ++i) {
    const companion::GiftEvent& event = script.events[i];
    if (event.count < 1 || event.unit_value < 0 || event.at_ms < 0) __builtin_trap();
    if (event.sender.empty() || event.gift.empty()) __builtin_trap();
    if (i > 0 && script.events[i - 1].at_ms > event.at_ms) __builtin_trap();
  }
  for (const std::u16string& error : script.errors)
    if (!error.starts_with(u"fuzz.txt:")) __builtin_trap();
  return 0;
}
