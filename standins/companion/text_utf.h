#pragma once

// UTF-8 and UTF-16 conversions and the number syntax the companion reads.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace companion {

// The UTF-16 form of UTF-8 `text`, or nothing when it is not valid UTF-8.
std::optional<std::u16string> FromUtf8(std::string_view text);
// The UTF-8 form of `text`; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
// ASCII text, for messages built in code.
std::u16string Ascii(std::string_view text);

// An optional sign and decimal digits, nothing else, within 32 or 64 bits.
std::optional<int32_t> ParseInt32(std::u16string_view text);
std::optional<int64_t> ParseInt64(std::u16string_view text);

}  // namespace companion
