#include "standins/win32/code_page_substitutes.h"

#include "standins/win32/win32_values.h"

namespace standin {
namespace {

constexpr win::WCHAR kReplacement = 0xFFFD;
// The default character of the double-byte code pages.
constexpr win::WCHAR kDefaultCharacter = u'?';

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The bytes one U+FFFD stands for: the lead byte, then each continuation
// byte up to the one that shows the sequence cannot be valid (an overlong
// form, a surrogate, beyond U+10FFFF) or up to the end of what is there.
std::size_t BadUtf8Length(const unsigned char* at, std::size_t remaining) {
  const unsigned char lead = at[0];
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4                                    ? 4
                                                                                               : 1;
  std::size_t taken = 1;
  while (taken < length && taken < remaining && IsContinuation(at[taken])) {
    const unsigned char next = at[taken++];
    if (taken == 2 && ((lead == 0xE0 && next < 0xA0) || (lead == 0xED && next >= 0xA0) ||
                       (lead == 0xF0 && next < 0x90) || (lead == 0xF4 && next >= 0x90)))
      break;
  }
  return taken;
}

}  // namespace

Substitute SubstituteFor(win::UINT code_page, const unsigned char* at, std::size_t remaining) {
  switch (code_page) {
    case CP_UTF8:
      return {kReplacement, BadUtf8Length(at, remaining), true};
    case CP_GBK:
      // Windows' table gives the one byte iconv lacks a private-use character.
      if (at[0] == 0xFF) return {0xF8F5, 1, false};
      // A lead byte takes the next byte with it, whatever that byte is.
      return {kDefaultCharacter, at[0] >= 0x81 && remaining >= 2 ? 2u : 1u, true};
    default:
      // The five bytes code page 1252 leaves undefined stand for the C1
      // controls of the same number.
      return {static_cast<win::WCHAR>(at[0]), 1, false};
  }
}

}  // namespace standin
