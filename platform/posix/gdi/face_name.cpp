#include "platform/posix/gdi/face_name.h"

#include <cstddef>

namespace gdi {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// Reads one code point at `*index` and moves past it.
char32_t NextCodePoint(const win::WCHAR (&wide)[32], std::size_t* index) {
  char32_t unit = wide[(*index)++];
  if (IsHighSurrogate(unit)) {
    if (*index < 32 && IsLowSurrogate(wide[*index])) {
      char32_t low = wide[(*index)++];
      return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    return kReplacement;
  }
  return IsLowSurrogate(unit) ? kReplacement : unit;
}

// Writes `code` as UTF-8 into `out` and returns its length.
std::size_t EncodeUtf8(char32_t code, unsigned char (&out)[4]) {
  if (code < 0x80) {
    out[0] = static_cast<unsigned char>(code);
    return 1;
  }
  if (code < 0x800) {
    out[0] = static_cast<unsigned char>(0xC0 | (code >> 6));
    out[1] = static_cast<unsigned char>(0x80 | (code & 0x3F));
    return 2;
  }
  if (code < 0x10000) {
    out[0] = static_cast<unsigned char>(0xE0 | (code >> 12));
    out[1] = static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | (code & 0x3F));
    return 3;
  }
  out[0] = static_cast<unsigned char>(0xF0 | (code >> 18));
  out[1] = static_cast<unsigned char>(0x80 | ((code >> 12) & 0x3F));
  out[2] = static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F));
  out[3] = static_cast<unsigned char>(0x80 | (code & 0x3F));
  return 4;
}

}  // namespace

void NarrowFaceName(const win::WCHAR (&wide)[32], char (&narrow)[32]) {
  std::size_t written = 0;
  std::size_t index = 0;
  while (index < 32 && wide[index] != 0) {
    unsigned char bytes[4];
    std::size_t length = EncodeUtf8(NextCodePoint(wide, &index), bytes);
    if (written + length > 31) break;
    for (std::size_t i = 0; i < length; ++i) narrow[written++] = static_cast<char>(bytes[i]);
  }
  narrow[written] = 0;
}

}  // namespace gdi
