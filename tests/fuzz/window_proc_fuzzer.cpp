// Feeds the message window's procedure arbitrary messages: codes, encodings,
// payload sizes and bytes. The payload lives in a buffer of exactly cbData
// bytes, so AddressSanitizer reports any read beyond it.

#include <cstdint>
#include <cstring>
#include <vector>

#include "module/bindings/message_window.h"
#include "module/bindings/window_proc.h"
#include "module/host_api/xelement.h"
#include "standins/host_library/standin_host.h"

namespace {

template <class T>
T Take(const uint8_t*& data, size_t& size) {
  T value{};
  const size_t n = size < sizeof(T) ? size : sizeof(T);
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

win::HWND BoundWindow() {
  static standin::SettingsElement element(u"data");
  static const win::HWND window = BindOrCreate(&element).window;
  return window;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const win::HWND window = BoundWindow();
  const auto selector = Take<uint8_t>(data, size);
  const auto code = Take<uint64_t>(data, size);
  switch (selector % 4) {
    case 0:
      win::SendMessageW(window, SwitchToAnsi, 0, 0);
      break;
    case 1:
      win::SendMessageW(window, SwitchToUtf16, 0, 0);
      break;
    default:
      break;
  }
  // Small codes are the interesting ones; keep them likely.
  const win::ULONG_PTR dw_data = (selector & 0x80) ? code : code % 256;
  std::vector<uint8_t> payload(data, data + size);
  win::COPYDATASTRUCT copy{dw_data, static_cast<win::DWORD>(payload.size()), payload.empty() ? nullptr : payload.data()};
  win::SendMessageW(window, win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&copy));
  standin::ClearMessagesAndLog();
  return 0;
}
