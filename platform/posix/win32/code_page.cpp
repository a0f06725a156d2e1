// MultiByteToWideChar over iconv.

#include <iconv.h>

#include <bit>
#include <climits>
#include <cstring>
#include <optional>
#include <string>

#include "platform/posix/win32/ansi_code_page.h"
#include "platform/posix/win32/last_error.h"
#include "platform/posix/win32/win32_values.h"

namespace {

using namespace standin;

static_assert(std::endian::native == std::endian::little, "char16_t holds UTF-16LE");

const char* CharsetFor(win::UINT code_page) {
  switch (code_page) {
    case win::CP_ACP:
      return AnsiCharset();
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
  explicit Converter(const char* charset) : descriptor_(iconv_open("UTF-16LE", charset)) {}
  ~Converter() {
    if (ok()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // The whole input in UTF-16, or nothing if any of it is not valid text in
  // the charset, including a character cut off at the end.
  std::optional<std::u16string> Decode(const char* src, std::size_t bytes) {
    // None of the charsets turns one byte into more than one UTF-16 unit.
    std::u16string text(bytes, u'\0');
    char* in = const_cast<char*>(src);
    std::size_t in_left = bytes;
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t out_left = text.size() * sizeof(char16_t);
    if (iconv(descriptor_, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1)) return std::nullopt;
    text.resize(text.size() - out_left / sizeof(char16_t));
    return text;
  }

 private:
  iconv_t descriptor_;
};

int Fail(win::DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

namespace win {

// Invalid input fails whether or not MB_ERR_INVALID_CHARS is given: text
// that would come out with replacement characters is treated as an error.
int MultiByteToWideChar(UINT code_page, DWORD flags, const char* src, int src_bytes, WCHAR* dst, int dst_units) {
  const char* charset = CharsetFor(code_page);
  if (charset == nullptr || src == nullptr || src_bytes == 0 || src_bytes < -1 || dst_units < 0 ||
      (dst == nullptr && dst_units > 0)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  if ((flags & ~MB_ERR_INVALID_CHARS) != 0) return Fail(ERROR_INVALID_FLAGS);
  // -1: a 0-terminated string, terminator included.
  const std::size_t bytes = src_bytes == -1 ? std::strlen(src) + 1 : static_cast<std::size_t>(src_bytes);
  if (bytes > INT_MAX) return Fail(ERROR_INVALID_PARAMETER);

  Converter converter(charset);
  if (!converter.ok()) return Fail(ERROR_INVALID_PARAMETER);
  const std::optional<std::u16string> text = converter.Decode(src, bytes);
  if (!text) return Fail(ERROR_NO_UNICODE_TRANSLATION);

  const int units = static_cast<int>(text->size());
  if (dst_units == 0) return units;
  if (units > dst_units) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(dst, text->data(), text->size() * sizeof(char16_t));
  return units;
}

}  // namespace win
