// standins/platform/ansi_code_page.h over WideCharToMultiByte. A character outside the
// Basic Multilingual Plane is converted on its own: for one that the code
// page lacks, Wine writes a '?' per UTF-16 unit, and it must be one '?'.

#include "standins/platform/ansi_code_page.h"

#include <windows.h>

#include <climits>

namespace platform {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The units in the ANSI code page; *lacking tells whether a character was
// replaced by the default one.
std::string Convert(std::u16string_view text, BOOL* lacking = nullptr) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int units = static_cast<int>(text.size());
  const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, units, nullptr, 0, nullptr, lacking);
  if (bytes <= 0) return {};
  std::string out(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide, units, out.data(), bytes, nullptr, lacking);
  return out;
}

}  // namespace

std::string ToAnsiCodePage(std::u16string_view text) {
  std::string out;
  std::size_t run = 0;  // start of the units not converted yet
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (!IsHighSurrogate(text[i]) || !IsLowSurrogate(text[i + 1])) continue;
    out += Convert(text.substr(run, i - run));
    BOOL lacking = FALSE;
    const std::string pair = Convert(text.substr(i, 2), &lacking);
    out += lacking ? "?" : pair;
    run = i + 2;
    ++i;  // past the low surrogate
  }
  return out + Convert(text.substr(run));
}

}  // namespace platform
