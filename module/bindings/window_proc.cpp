#include "module/bindings/window_proc.h"

#include <mutex>
#include <utility>

#include "module/bindings/binding_table.h"
#include "module/bindings/copydata_text.h"
#include "module/bindings/message_window.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/bridge/using_ascii.h"
#include "module/host_api/api.h"

namespace {

constexpr int kOpaque = static_cast<int>(0xFF000000u);

// "key|value" payloads: the key before the first '|', the value the rest.
void WriteKeyValue(XElement* element, const String& text, win::ULONG_PTR code) {
  const String key = text.GetToken(0, u'|');
  const String value(text.GetTokenOffset(1, u'|'));
  if (!key.IsValid() || !value.IsValid()) return;
  if (code == SetStringSetting)
    element->SetString(key.c_str(), value.c_str());
  else if (code == SetIntSetting)
    element->SetInt(key.c_str(), value.ToInt(10));
  else
    element->SetInt(key.c_str(), value.ToInt(10) | kOpaque);
}

void HandleCopyData(win::HWND window, const win::COPYDATASTRUCT* data) {
  if (!data) return;
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  SourceBinding* binding = FindBindingByWindow(window);
  if (!binding) return;
  // Empty when no memory could be had for it; a text update still stores it.
  String text = DecodeCopyDataText(*data);
  XElement* element = binding->element;
  switch (data->dwData) {
    case TextUpdate:
      binding->textChanged = 1;
      binding->text = std::move(text);  // moved: storing it needs no memory
      break;
    case SetIntSetting:
    case SetStringSetting:
    case SetColorSetting:
      if (element) WriteKeyValue(element, text, data->dwData);
      break;
    case LogLine:
      // Writes nothing into the element, so a destroyed source's lines still
      // reach the log.
      Log(u"%s", text.c_str());  // never a format template
      break;
    case SetRandomForeColor:
      if (element && text.IsValid()) element->SetInt(u"RandomForeColor", text.ToInt(10) | kOpaque);
      break;
    default:
      break;
  }
}

void SwitchEncoding(win::HWND window, int32_t ascii) {
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  SourceBinding* binding = FindBindingByWindow(window);
  if (!binding) return;
  UsingAscii = ascii;
  if (binding->element) binding->element->SetInt(u"usingASCII", ascii);
}

}  // namespace

win::LRESULT WIN_CALLBACK MessageWindowProc(win::HWND window, win::UINT message, win::WPARAM wparam,
                                            win::LPARAM lparam) {
  switch (message) {
    case win::WM_DESTROY:
      // No quit message: the window's thread is the host's, and its message
      // loop must go on when a helper window closes.
      ForgetMessageWindow(window);
      return 0;
    case win::WM_CLOSE:
      win::DestroyWindow(window);
      return 0;
    case win::WM_COPYDATA:
      HandleCopyData(window, reinterpret_cast<const win::COPYDATASTRUCT*>(lparam));
      return 0;
    case SwitchToAnsi:
    case SwitchToUtf16:
      SwitchEncoding(window, message == SwitchToAnsi ? 1 : 0);
      return 0;
    default:
      return win::DefWindowProcW(window, message, wparam, lparam);
  }
}
