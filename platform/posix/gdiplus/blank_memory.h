#pragma once

// Whether `words` 64-bit words of memory from `bytes` are all zero. Coverage
// is mostly blank: blank stretches are passed over this way, a few bytes a
// test, instead of pixel by pixel with a branch that glyph edges make
// unpredictable.

#include <cstdint>
#include <cstring>

namespace gdiplus {

inline bool IsBlank(const void* bytes, int words) {
  uint64_t ink = 0;
  for (int word = 0; word < words; ++word) {
    uint64_t value;
    std::memcpy(&value, static_cast<const char*>(bytes) + word * sizeof value, sizeof value);
    ink |= value;
  }
  return ink == 0;
}

}  // namespace gdiplus
