// MultiByteToWideChar over iconv.

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <string>

#include "standins/platform/posix/ansi/ansi_charset.h"
#include "standins/win32/code_page_substitutes.h"
#include "standins/win32/last_error.h"
#include "standins/win32/win32_values.h"

namespace {

using namespace standin;

static_assert(std::endian::native == std::endian::little, "char16_t holds UTF-16LE");

// CP_ACP as the code page it stands for.
win::UINT Resolved(win::UINT code_page) {
  if (code_page != win::CP_ACP) return code_page;
  return std::strcmp(AnsiCharset(), "GBK") == 0 ? CP_GBK : CP_WESTERN;
}

const char* CharsetFor(win::UINT code_page) {
  switch (code_page) {
    case CP_UTF8:
      return "UTF-8";
    case CP_GBK:
      return "GBK";
    case CP_WESTERN:
      return "CP1252";
    default:
      return nullptr;
  }
}

class Converter {
 public:
  explicit Converter(win::UINT code_page)
      : code_page_(code_page), descriptor_(iconv_open("UTF-16LE", CharsetFor(code_page))) {}
  ~Converter() {
    if (ok()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // The whole input in UTF-16, with what Windows puts in place of each
  // sequence the code page cannot decode (a character cut off at the end
  // too); nothing when there is such a sequence and `strict` is set.
  std::optional<std::u16string> Decode(const char* src, std::size_t bytes, bool strict) {
    // No byte becomes more than one UTF-16 unit, substitutes included.
    std::u16string text(bytes, u'\0');
    char* in = const_cast<char*>(src);
    std::size_t in_left = bytes;
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t out_left = text.size() * sizeof(char16_t);
    while (iconv(descriptor_, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1)) {
      if (errno != EILSEQ && errno != EINVAL) return std::nullopt;
      const Substitute substitute = SubstituteFor(code_page_, reinterpret_cast<unsigned char*>(in), in_left);
      if (strict && substitute.invalid) return std::nullopt;
      std::memcpy(out, &substitute.unit, sizeof substitute.unit);
      out += sizeof substitute.unit;
      out_left -= sizeof substitute.unit;
      in += substitute.bytes;
      in_left -= substitute.bytes;
    }
    text.resize(text.size() - out_left / sizeof(char16_t));
    return text;
  }

 private:
  win::UINT code_page_;
  iconv_t descriptor_;
};

int Fail(win::DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

namespace win {

// Without MB_ERR_INVALID_CHARS an invalid sequence becomes U+FFFD (UTF-8)
// or '?' (GBK), as on Windows; with it the call fails.
int MultiByteToWideChar(UINT code_page, DWORD flags, const char* src, int src_bytes, WCHAR* dst, int dst_units) {
  code_page = Resolved(code_page);
  if (CharsetFor(code_page) == nullptr || src == nullptr || src_bytes == 0 || src_bytes < -1 || dst_units < 0 ||
      (dst == nullptr && dst_units > 0)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  if ((flags & ~MB_ERR_INVALID_CHARS) != 0) return Fail(ERROR_INVALID_FLAGS);
  // -1: a 0-terminated string, terminator included.
  const std::size_t bytes = src_bytes == -1 ? std::strlen(src) + 1 : static_cast<std::size_t>(src_bytes);
  if (bytes > INT_MAX) return Fail(ERROR_INVALID_PARAMETER);

  Converter converter(code_page);
  if (!converter.ok()) return Fail(ERROR_INVALID_PARAMETER);
  const std::optional<std::u16string> text = converter.Decode(src, bytes, (flags & MB_ERR_INVALID_CHARS) != 0);
  if (!text) return Fail(ERROR_NO_UNICODE_TRANSLATION);

  const int units = static_cast<int>(text->size());
  if (dst_units == 0) return units;
  if (units > dst_units) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(dst, text->data(), text->size() * sizeof(char16_t));
  return units;
}

}  // namespace win
