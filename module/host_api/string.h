#pragma once

#include <cstddef>

#include "module/host_api/host_api_export.h"
#include "module/platform/calling_conventions.h"

// The host's wide string: UTF-16 code units in a buffer from MainAllocator and
// a length. Non-empty means: buffer present, first unit not 0, length not 0.
//
// Behaviour worth knowing:
// - KillSpaces() removes leading and trailing spaces, tabs and ideographic
//   spaces (U+3000); CR and LF stay.
// - ToInt(base) gives 0 unless the whole text is an optional sign followed by
//   decimal digits only (no spaces, no letters: ToInt(16) of "ff" is 0). Those
//   digits are read in `base` (2 to 36; any other base gives 0) up to the first
//   one not valid in it, and a value beyond 32 bits saturates to INT_MIN or
//   INT_MAX.
// - GetToken(i, sep) with fewer than i separators logs a warning and gives an
//   empty string; GetToken(0, sep) without a separator gives the whole text.
// - GetTokenOffset(i, sep) points into this string's buffer; with fewer than i
//   separators it gives null. GetTokenOffset(0, sep) is the whole text.
// - Left(n) with n beyond the length logs a warning and gives an empty
//   string; Left(0) gives a string without a buffer.
class HOST_API String {
 public:
  String();
  String(const char16_t* text);  // NOLINT: implicit, as the host's is
  explicit String(const char* utf8);
  String(const String& other);
  // Moves hand the buffer over: a layout operation, which the host's class
  // leaves to its users (it has no move members of its own).
  String(String&& other) noexcept : buffer_(other.buffer_), length_(other.length_) {
    other.buffer_ = nullptr;
    other.length_ = 0;
  }
  ~String();

  String& operator=(const String& other);
  String& operator=(String&& other) noexcept {
    // Swapped: `other` frees this string's old buffer when it goes.
    char16_t* const buffer = buffer_;
    const unsigned length = length_;
    buffer_ = other.buffer_;
    length_ = other.length_;
    other.buffer_ = buffer;
    other.length_ = length;
    return *this;
  }
  String& operator=(const char16_t* text);

  String& operator<<(const String& other);
  String& operator<<(const char16_t* text);
  String& operator<<(int value);  // signed decimal
  String operator+(const String& other) const;
  String operator+(const char16_t* text) const;

  bool operator==(const String& other) const;
  bool operator==(const char16_t* text) const;
  bool operator!=(const String& other) const { return !(*this == other); }

  String GetToken(int index, char16_t separator) const;
  const char16_t* GetTokenOffset(int index, char16_t separator) const;
  String Left(unsigned count) const;
  String& FindReplace(const char16_t* find, const char16_t* replacement);
  String& KillSpaces();
  int ToInt(int base = 10) const;

  // The buffer, or null for a string that never held text.
  const char16_t* Array() const { return buffer_; }
  unsigned Length() const { return length_; }
  bool IsValid() const { return buffer_ && buffer_[0] && length_; }
  // The text, or an empty terminated text when there is no buffer.
  const char16_t* c_str() const { return buffer_ ? buffer_ : u""; }

 private:
  void Assign(const char16_t* text, unsigned length);
  void Append(const char16_t* text, unsigned length);
  void Release();

  char16_t* buffer_ = nullptr;
  unsigned length_ = 0;
};

// Length of a 0-terminated UTF-16 text.
HOST_API std::size_t WIN_CDECL slen(const char16_t* text);

// Copies at most `max_chars` units of `src` into `dst` and terminates it; `dst`
// holds max_chars + 1 units. With max_chars 0 it writes nothing, not even the
// terminator. Returns dst.
HOST_API char16_t* WIN_CDECL scpy_n(char16_t* dst, const char16_t* src, unsigned max_chars);
