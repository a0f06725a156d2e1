#include "module/bridge/commands.h"

#include <mutex>

#include "module/bridge/runtime.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/bridge/using_ascii.h"
#include "module/host_api/xelement.h"

namespace {

// One value of the settings line: an integer or a text, with the value the
// companion starts from for a source that was never configured.
struct SettingKey {
  const char16_t* key;
  bool is_text;
  int int_default;
  const char16_t* text_default;
};

// In the order the companion reads them, after the window number.
constexpr SettingKey kSettingKeys[] = {
    {u"font", true, 0, u"宋体"},
    {u"color", false, static_cast<int>(0xFFFF9000u), nullptr},
    {u"fontSize", false, 56, nullptr},
    {u"textOpacity", false, 100, nullptr},
    {u"backgroundColor", false, static_cast<int>(0xFF000000u), nullptr},
    {u"backgroundOpacity", false, 0, nullptr},
    {u"RandomColor", false, 0, nullptr},
    {u"RandomModeType", false, 0, nullptr},
    {u"bold", false, 0, nullptr},
    {u"italic", false, 0, nullptr},
    {u"underline", false, 0, nullptr},
    {u"outline", false, 0, nullptr},
    {u"outlineOpacity", false, 100, nullptr},
    {u"outlineColor", false, static_cast<int>(0xFF808080u), nullptr},
    {u"outlineSize", false, 2, nullptr},  // an integer here, though the source reads a float
    {u"room_name", true, 0, u""},
    {u"thanks_string", true, 0, u"感谢$sender$赠送的$num$个$gift$ $combo$"},
    {u"no_thanks_string", true, 0, u"o(∩_∩)o 送礼物上电视啦o(∩_∩)o "},
    {u"show_second", false, 10, nullptr},
    {u"show_size", false, 10, nullptr},
    {u"is_no_thanks", false, 1, nullptr},
    {u"is_use_toolbox", false, 0, nullptr},
    {u"is_save_record", false, 0, nullptr},
    {u"save_folder", true, 0, u""},
    {u"gift_limit_mode", false, 1, nullptr},
    {u"delay_show_second", false, 5, nullptr},
};
static_assert(std::size(kSettingKeys) == 26, "the settings line carries 26 settings after the window");

}  // namespace

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
  for (const SettingKey& setting : kSettingKeys) {
    line << kSettingsSeparator;
    if (setting.is_text)
      line << element->GetString(setting.key, setting.text_default);
    else
      line << element->GetInt(setting.key, setting.int_default);
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
