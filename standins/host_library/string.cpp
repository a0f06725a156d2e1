// The host's UTF-16 string. All storage comes from MainAllocator.

#include "module/host_api/string.h"

#include <climits>
#include <cstring>

#include "module/host_api/alloc.h"
#include "module/host_api/api.h"
#include "standins/host_library/standin_host.h"
#include "standins/host_library/text_helpers.h"

std::size_t slen(const char16_t* text) {
  std::size_t n = 0;
  if (text)
    while (text[n]) ++n;
  return n;
}

char16_t* scpy_n(char16_t* dst, const char16_t* src, unsigned max_chars) {
  if (max_chars == 0) return dst;  // not even the terminator
  unsigned i = 0;
  for (; src && i < max_chars && src[i]; ++i) dst[i] = src[i];
  dst[i] = 0;
  return dst;
}

namespace {

// What KillSpaces trims: line breaks stay.
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

}  // namespace

namespace standin {

char16_t* TrimSpaces(char16_t* text) {
  std::size_t first = 0;
  std::size_t last = slen(text);
  while (first < last && IsSpace(text[first])) ++first;
  while (last > first && IsSpace(text[last - 1])) --last;
  std::memmove(text, text + first, (last - first) * sizeof(char16_t));
  text[last - first] = 0;
  return text;
}

bool IsDecimalIntegerText(const char16_t* p) {
  if (*p == u'-' || *p == u'+') ++p;
  for (; *p; ++p)
    if (*p < u'0' || *p > u'9') return false;
  return true;
}

int TextToInt(const char16_t* text, char16_t** end, int base) {
  const char16_t* p = text;
  bool negative = false;
  if (*p == u'-' || *p == u'+') negative = *p++ == u'-';
  // Saturates as the C library's wcstol does with a 32-bit long.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long value = 0;
  // Reads up to the first digit not valid in `base`; past the limit it only
  // skips digits, so the value stays far inside long long.
  for (; *p && *p - u'0' < base && *p >= u'0'; ++p)
    if (value <= limit) value = value * base + (*p - u'0');
  if (value > limit) value = limit;
  if (end) *end = const_cast<char16_t*>(p);
  return static_cast<int>(negative ? -value : value);
}

}  // namespace standin

String::String() = default;

String::String(const char16_t* text) { Assign(text, static_cast<unsigned>(slen(text))); }

String::String(const char* utf8) {
  const std::u16string wide = standin::FromUtf8(utf8 ? utf8 : "");
  Assign(wide.data(), static_cast<unsigned>(wide.size()));
}

String::String(const String& other) { Assign(other.buffer_, other.length_); }

String::~String() { Release(); }

String& String::operator=(const String& other) {
  if (this != &other) Assign(other.buffer_, other.length_);
  return *this;
}

String& String::operator=(const char16_t* text) {
  // `text` may point into this string's own buffer.
  String copy(text);
  return *this = static_cast<String&&>(copy);
}

void String::Release() {
  MainAllocator->FreeBlock(buffer_);
  buffer_ = nullptr;
  length_ = 0;
}

void String::Assign(const char16_t* text, unsigned length) {
  if (!text) {
    Release();
    return;
  }
  auto* fresh = static_cast<char16_t*>(MainAllocator->AllocateBlock((length + 1) * sizeof(char16_t)));
  if (!fresh) return;  // out of memory: keep the old text
  std::memcpy(fresh, text, length * sizeof(char16_t));
  fresh[length] = 0;
  Release();
  buffer_ = fresh;
  length_ = length;
}

void String::Append(const char16_t* text, unsigned length) {
  if (!length) {
    if (!buffer_) Assign(u"", 0);
    return;
  }
  const unsigned total = length_ + length;
  auto* fresh = static_cast<char16_t*>(MainAllocator->AllocateBlock((total + 1) * sizeof(char16_t)));
  if (!fresh) return;
  if (length_) std::memcpy(fresh, buffer_, length_ * sizeof(char16_t));
  std::memcpy(fresh + length_, text, length * sizeof(char16_t));
  fresh[total] = 0;
  Release();
  buffer_ = fresh;
  length_ = total;
}

String& String::operator<<(const String& other) {
  if (this == &other) {
    String copy(other);
    Append(copy.buffer_, copy.length_);
  } else {
    Append(other.buffer_, other.length_);
  }
  return *this;
}

String& String::operator<<(const char16_t* text) {
  String copy(text);
  Append(copy.buffer_, copy.length_);
  return *this;
}

String& String::operator<<(int value) {
  char16_t digits[16];
  int n = 0;
  // Through unsigned so that INT_MIN needs no special case.
  unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  do {
    digits[n++] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  char16_t text[17];
  int len = 0;
  if (value < 0) text[len++] = u'-';
  while (n) text[len++] = digits[--n];
  Append(text, static_cast<unsigned>(len));
  return *this;
}

String String::operator+(const String& other) const {
  String result(*this);
  result << other;
  return result;
}

String String::operator+(const char16_t* text) const {
  String result(*this);
  result << text;
  return result;
}

bool String::operator==(const String& other) const {
  if (length_ != other.length_) return false;
  return length_ == 0 || std::memcmp(buffer_, other.buffer_, length_ * sizeof(char16_t)) == 0;
}

bool String::operator==(const char16_t* text) const {
  const std::size_t n = slen(text);
  if (n != length_) return false;
  return n == 0 || std::memcmp(buffer_, text, n * sizeof(char16_t)) == 0;
}

const char16_t* String::GetTokenOffset(int index, char16_t separator) const {
  if (!buffer_ || index < 0) return nullptr;
  const char16_t* p = buffer_;
  for (int i = 0; i < index; ++i) {
    while (*p && *p != separator) ++p;
    if (!*p) return nullptr;
    ++p;
  }
  return p;
}

String String::GetToken(int index, char16_t separator) const {
  if (!buffer_ && index == 0) return String();  // the whole of no text
  const char16_t* start = GetTokenOffset(index, separator);
  if (!start) {
    AppWarning(u"Bad String token: %d", index);
    return String();
  }
  const char16_t* end = start;
  while (*end && *end != separator) ++end;
  String token;
  token.Assign(start, static_cast<unsigned>(end - start));
  return token;
}

String String::Left(unsigned count) const {
  String result;
  if (count > length_)
    AppWarning(u"Bad String::Left count: %u", count);
  else if (count > 0)
    result.Assign(buffer_, count);
  return result;
}

String& String::FindReplace(const char16_t* find, const char16_t* replacement) {
  const std::size_t find_len = slen(find);
  if (!buffer_ || !find_len) return *this;
  String result(u"");
  const String with(replacement);
  const char16_t* p = buffer_;
  const char16_t* end = buffer_ + length_;
  while (p < end) {
    if (static_cast<std::size_t>(end - p) >= find_len && std::memcmp(p, find, find_len * sizeof(char16_t)) == 0) {
      result.Append(with.buffer_, with.length_);
      p += find_len;
    } else {
      result.Append(p, 1);
      ++p;
    }
  }
  return *this = static_cast<String&&>(result);
}

// In place, as the host's: the buffer keeps its size.
String& String::KillSpaces() {
  if (buffer_) length_ = static_cast<unsigned>(slen(standin::TrimSpaces(buffer_)));
  return *this;
}

int String::ToInt(int base) const {
  if (!buffer_ || base < 2 || base > 36 || !standin::IsDecimalIntegerText(buffer_)) return 0;
  return standin::TextToInt(buffer_, nullptr, base);
}
