#pragma once

// UTF-8 <-> UTF-16 for the stand-ins' files, scripts and consoles.

#include <string>
#include <string_view>

namespace text {

// The UTF-8 form of `text`; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

// The UTF-16 form of UTF-8 `text`. A malformed, overlong or surrogate
// sequence becomes U+FFFD; *valid (when given) tells whether there was none.
std::u16string FromUtf8(std::string_view text, bool* valid = nullptr);

}  // namespace text
