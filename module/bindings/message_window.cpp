#include "module/bindings/message_window.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "module/bindings/binding_table.h"
#include "module/bindings/window_proc.h"
#include "module/bridge/commands.h"
#include "module/bridge/runtime.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/host_api/xelement.h"

namespace {

constexpr win::DWORD kWindowStyle = win::WS_OVERLAPPEDWINDOW | win::WS_HSCROLL | win::WS_VSCROLL;

// The module's windows that have not been destroyed yet. Guarded by
// SharedStateMutex().
std::vector<win::HWND>& LiveWindows() {
  static std::vector<win::HWND> windows;
  return windows;
}

void RegisterMessageWindowClass(win::HINSTANCE instance) {
  win::WNDCLASSW window_class{};
  window_class.style = win::CS_HREDRAW | win::CS_VREDRAW;
  window_class.lpfnWndProc = MessageWindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = win::LoadIconW(nullptr, win::MakeIntResource(win::IDI_APPLICATION));
  window_class.hCursor = win::LoadCursorW(nullptr, win::MakeIntResource(win::IDC_CROSS));
  window_class.hbrBackground = static_cast<win::HBRUSH>(win::GetStockObject(win::BLACK_BRUSH));
  window_class.lpszClassName = kMessageWindowClass;
  // Fails from the second window on, as the class exists; creation then uses
  // the first registration.
  win::RegisterClassW(&window_class);
}

}  // namespace

win::HWND CreateMessageWindow() {
  const win::HINSTANCE instance = win::GetModuleHandleW(nullptr);
  if (!instance) return nullptr;
  RegisterMessageWindowClass(instance);
  const win::HWND window = win::CreateWindowExW(0, kMessageWindowClass, kMessageWindowClass, kWindowStyle,
                                                win::CW_USEDEFAULT, win::CW_USEDEFAULT, win::CW_USEDEFAULT,
                                                win::CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (window) {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    LiveWindows().push_back(window);
  }
  if (RuntimeHost) SendCommand(String(kSetPlatformCommand) + kPlatformId);
  if (RuntimeHost) SendCommand(WindowCommand(kInitCommand, window));
  return window;
}

BindResult BindOrCreate(XElement* element) {
  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    const SourceBinding* found = FindBindingByInnerId(element->GetString(u"innerId", u""));
    if (found && found->window) return {found->window, false};
  }
  // Not under the lock: the companion may answer the handshake with messages
  // to the new window from its own thread.
  const win::HWND window = CreateMessageWindow();

  SourceBinding record;
  record.window = window;
  record.innerId << WindowNumber(window);
  record.element = element;
  record.textChanged = 1;
  record.text = u"";

  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    // An innerId always names a binding: without memory for the record (or
    // its number) the element keeps what it had, and the next activation
    // tries again.
    if (record.innerId.IsValid() && Bindings().Append(std::move(record))) {
      element->SetString(u"innerId", Bindings()[Bindings().Count() - 1].innerId.c_str());
      return {window, true};
    }
  }
  // Destroying it tells the window list, which takes the lock.
  if (window) win::DestroyWindow(window);
  return {nullptr, false};
}

void ForgetMessageWindow(win::HWND window) {
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  auto& windows = LiveWindows();
  windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void DestroyMessageWindows() {
  std::vector<win::HWND> windows;
  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    windows = LiveWindows();
  }
  const win::DWORD this_thread = win::GetCurrentThreadId();
  for (win::HWND window : windows) {
    // Only the owner thread may destroy a window; another owner is asked to
    // close it and does so when it handles the message.
    if (win::GetWindowThreadProcessId(window, nullptr) == this_thread)
      win::DestroyWindow(window);
    else
      win::SendMessageW(window, win::WM_CLOSE, 0, 0);
    ForgetMessageWindow(window);
  }
  if (const win::HINSTANCE instance = win::GetModuleHandleW(nullptr))
    win::UnregisterClassW(kMessageWindowClass, instance);
}
