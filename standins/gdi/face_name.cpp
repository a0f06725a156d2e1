#include "standins/gdi/face_name.h"

#include <cstring>
#include <string>
#include <string_view>

#include "standins/platform/ansi_code_page.h"
#include "standins/platform/posix/ansi/ansi_charset.h"

namespace gdi {
namespace {

// The bytes of the ANSI character that starts with `byte`.
std::size_t CharacterLength(unsigned char byte) {
  const bool double_byte = std::strcmp(standin::AnsiCharset(), "GBK") == 0;
  return double_byte && byte >= 0x81 && byte <= 0xFE ? 2 : 1;
}

}  // namespace

void NarrowFaceName(const win::WCHAR (&wide)[32], char (&narrow)[32]) {
  std::size_t units = 0;
  while (units < 32 && wide[units] != 0) ++units;
  const std::string ansi = platform::ToAnsiCodePage(std::u16string_view(wide, units));
  std::size_t fitting = 0;
  while (fitting < ansi.size()) {
    const std::size_t length = CharacterLength(static_cast<unsigned char>(ansi[fitting]));
    if (fitting + length > sizeof narrow) break;
    fitting += length;
  }
  ansi.copy(narrow, fitting);
  narrow[fitting < sizeof narrow ? fitting : sizeof narrow - 1] = 0;
}

}  // namespace gdi
