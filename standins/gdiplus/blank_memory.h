#pragma once

// Whether `words` 64-bit words of memory from `bytes` all hold `value`.
// Coverage is mostly blank or full: such stretches are handled this way, a
// few bytes a test, instead of pixel by pixel with a branch that glyph edges
// make unpredictable.

#include <cstdint>
#include <cstring>

namespace gdiplus {

inline bool AllWordsAre(const void* bytes, int words, uint64_t value) {
  uint64_t differs = 0;
  for (int word = 0; word < words; ++word) {
    uint64_t read;
    std::memcpy(&read, static_cast<const char*>(bytes) + word * sizeof read, sizeof read);
    differs |= read ^ value;
  }
  return differs == 0;
}

}  // namespace gdiplus
