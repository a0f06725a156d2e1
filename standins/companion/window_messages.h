#pragma once

// What the companion sends to a source's window, from its own thread.

#include <cstdint>
#include <string>
#include <string_view>

namespace companion {

// The plug-in's encoding switches.
inline constexpr uint32_t kSwitchToAnsi = 0x0400 + 5;
inline constexpr uint32_t kSwitchToUtf16 = 0x0400 + 6;

// The payload of a text: UTF-16 with its null unit, or ANSI in the system
// code page with its null byte.
std::string EncodeText(std::u16string_view text, bool ansi);

// Send and wait until the window's thread has handled the message. A window
// that is gone is skipped.
void SendCopyData(int32_t window_number, uint64_t code, const std::string& payload);
void SendPlainMessage(int32_t window_number, uint32_t message);

}  // namespace companion
