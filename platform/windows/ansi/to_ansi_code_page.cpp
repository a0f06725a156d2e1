// platform/ansi_code_page.h, passed through to WideCharToMultiByte.

#include "platform/ansi_code_page.h"

#include <windows.h>

#include <climits>

namespace platform {

std::string ToAnsiCodePage(std::u16string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int units = static_cast<int>(text.size());
  const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string out(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide, units, out.data(), bytes, nullptr, nullptr);
  return out;
}

}  // namespace platform
