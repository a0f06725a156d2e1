#include "module/bridge/commands.h"

#include <mutex>

#include "module/bridge/line_settings.h"
#include "module/bridge/runtime.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/bridge/using_ascii.h"
#include "module/host_api/xelement.h"

int WindowNumber(win::HWND window) {
  return static_cast<int>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)));
}

String WindowCommand(const char16_t* keyword, win::HWND window) {
  String command(keyword);
  command << WindowNumber(window);
  return command;
}

String BuildSettingsLine(XElement* element, win::HWND window) {
  String line(kSetCommand);
  line << WindowNumber(window);
  for (const LineSetting& setting : kLineSettings) {
    line << kSettingsSeparator;
    if (setting.kind == SettingKind::kText)
      line << element->GetString(setting.element_key, setting.companion.text);
    else
      line << element->GetInt(setting.element_key, setting.companion.number);
  }
  UsingAscii = element->GetInt(u"usingASCII", 0);
  return line;
}

void BuildAndSendSettings(XElement* element, win::HWND window) {
  if (!element) return;
  String line;
  bool ascii = false;
  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    line = BuildSettingsLine(element, window);
    ascii = UsingAscii == 1;
  }
  if (!RuntimeHost) return;
  if (ascii) SendCommand(String(kAsciiCommand));
  SendCommand(line);
}
