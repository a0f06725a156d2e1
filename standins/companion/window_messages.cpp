#include "standins/companion/window_messages.h"

#include <cstring>

#include "module/platform/win32.h"
#include "standins/platform/ansi_code_page.h"

namespace companion {

namespace {

// Sign extension: Win32 window handles keep within 32 significant bits.
win::HWND WindowHandle(int32_t window_number) {
  return reinterpret_cast<win::HWND>(static_cast<intptr_t>(window_number));
}

}  // namespace

std::string EncodeText(std::u16string_view text, bool ansi) {
  if (ansi) return platform::ToAnsiCodePage(text) + '\0';
  std::string payload((text.size() + 1) * sizeof(char16_t), '\0');
  std::memcpy(payload.data(), text.data(), text.size() * sizeof(char16_t));
  return payload;
}

void SendCopyData(int32_t window_number, uint64_t code, const std::string& payload) {
  // The receiver only reads through lpData.
  win::COPYDATASTRUCT copy{static_cast<win::ULONG_PTR>(code), static_cast<win::DWORD>(payload.size()),
                           payload.empty() ? nullptr : const_cast<char*>(payload.data())};
  win::SendMessageW(WindowHandle(window_number), win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&copy));
}

void SendPlainMessage(int32_t window_number, uint32_t message) {
  win::SendMessageW(WindowHandle(window_number), message, 0, 0);
}

}  // namespace companion
