#pragma once

// Text in the system's ANSI code page (what CP_ACP stands for), as
// WideCharToMultiByte(CP_ACP, 0, ...) gives it: a character the code page
// lacks becomes '?'. No terminating 0.

#include <string>
#include <string_view>

namespace platform {

std::string ToAnsiCodePage(std::u16string_view text);

}  // namespace platform
