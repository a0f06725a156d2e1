// standins/platform/ansi_code_page.h over iconv, to the charset the stand-in's
// MultiByteToWideChar reads CP_ACP as, so that text survives the round trip.

#include <iconv.h>

#include "standins/platform/ansi_code_page.h"
#include "standins/platform/posix/ansi/ansi_charset.h"

namespace platform {

namespace {

class Encoder {
 public:
  Encoder() : descriptor_(iconv_open(standin::AnsiCharset(), "UTF-16LE")) {}
  ~Encoder() {
    if (ok()) iconv_close(descriptor_);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  bool ok() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // The units in the charset, or false when the charset lacks the character.
  bool Encode(const char16_t* units, std::size_t count, std::string& out) {
    char buffer[16];
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(units));
    std::size_t in_left = count * sizeof(char16_t);
    char* next = buffer;
    std::size_t out_left = sizeof buffer;
    if (iconv(descriptor_, &in, &in_left, &next, &out_left) == static_cast<std::size_t>(-1)) {
      iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
      return false;
    }
    out.append(buffer, next);
    return true;
  }

 private:
  iconv_t descriptor_;
};

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string ToAnsiCodePage(std::u16string_view text) {
  std::string out;
  Encoder encoder;
  // One character at a time, so that each one the charset lacks is replaced
  // on its own.
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t units = IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
    if (!encoder.ok() || !encoder.Encode(text.data() + i, units, out)) out += '?';
    i += units;
  }
  return out;
}

}  // namespace platform
