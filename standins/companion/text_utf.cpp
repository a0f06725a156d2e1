#include "standins/companion/text_utf.h"

#include <limits>

#include "standins/text/utf.h"

namespace companion {

std::optional<std::u16string> FromUtf8(std::string_view text) {
  bool valid = false;
  std::u16string decoded = ::text::FromUtf8(text, &valid);
  if (!valid) return std::nullopt;
  return decoded;
}

std::string ToUtf8(std::u16string_view text) { return ::text::ToUtf8(text); }

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

std::optional<int64_t> ParseInt64(std::u16string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) {
    negative = text[0] == u'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // Accumulated as a negative number, whose range is the larger one.
  int64_t value = 0;
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    const int digit = c - u'0';
    if (value < (kMin + digit) / 10) return std::nullopt;
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == kMin) return std::nullopt;
    value = -value;
  }
  return value;
}

std::optional<int32_t> ParseInt32(std::u16string_view text) {
  const std::optional<int64_t> value = ParseInt64(text);
  if (!value || *value < std::numeric_limits<int32_t>::min() || *value > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(*value);
}

}  // namespace companion
