// A host that ends without "quit": loads the companion, leaves its worker
// sending to a window of this thread, and returns from main ("exit") or
// unloads the companion first ("unload"). The test is that the process
// ends, with 0; a hang fails it at its ctest timeout.

#include <cstring>
#include <thread>

#include "module/platform/win32.h"
#include "standins/companion/companion_client.h"

namespace {

bool g_received = false;

win::LRESULT WIN_CALLBACK ReceivingProc(win::HWND window, win::UINT message, win::WPARAM wparam, win::LPARAM lparam) {
  if (message == win::WM_COPYDATA) {
    g_received = true;
    return 0;
  }
  return win::DefWindowProcW(window, message, wparam, lparam);
}

CompanionClient* g_client = nullptr;

}  // namespace

int main(int argc, char** argv) {
  const bool unload = argc > 1 && std::strcmp(argv[1], "unload") == 0;
  // Not unloaded on the "exit" way: the process ends with it loaded, held
  // by a global so that the leak checker sees it as still in use.
  g_client = new CompanionClient(QUILLORA_COMPANION_FILE);
  CompanionClient* const client = g_client;
  if (!client->ok()) return 1;
  win::WNDCLASSW window_class{};
  window_class.lpfnWndProc = ReceivingProc;
  window_class.hInstance = win::GetModuleHandleW(nullptr);
  window_class.lpszClassName = u"companion exit probe";
  win::RegisterClassW(&window_class);
  const win::HWND window = win::CreateWindowExW(0, u"companion exit probe", u"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                                win::GetModuleHandleW(nullptr), nullptr);
  if (!window) return 1;
  const auto number = static_cast<int32_t>(reinterpret_cast<intptr_t>(window));

  // The worker is running once its first message has arrived.
  const char16_t text[] = u"abc";
  client->SendCopyData(number, 1, text, sizeof text);
  // Peeking handles the messages sent to this thread, as waiting in
  // GetMessageW would without returning.
  win::MSG msg;
  while (!g_received) {
    while (win::PeekMessageW(&msg, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessageW(&msg);
    std::this_thread::yield();
  }
  // More for it to send while this thread no longer dispatches.
  for (int i = 0; i < 20; ++i) client->SendCopyData(number, 1, text, sizeof text);
  if (unload) delete client;
  return 0;
}
