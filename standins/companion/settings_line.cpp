#include "standins/companion/settings_line.h"

#include <vector>

#include "standins/companion/text_utf.h"

namespace companion {

namespace {

std::vector<std::u16string_view> Split(std::u16string_view line) {
  std::vector<std::u16string_view> values;
  for (;;) {
    const std::size_t at = line.find(kSettingsSeparator);
    values.push_back(line.substr(0, at));
    if (at == std::u16string_view::npos) return values;
    line.remove_prefix(at + kSettingsSeparator.size());
  }
}

}  // namespace

SettingsLine ParseSettingsLine(std::u16string_view line) {
  SettingsLine result;
  const std::vector<std::u16string_view> values = Split(line);
  result.window = ParseInt32(values[0]);
  if (!result.window) {
    result.error = u"Set: the first value is not a window number";
    return result;
  }
  const auto fields = SettingFields();
  if (values.size() != fields.size() + 1) {
    result.error = Ascii("Set: expected " + std::to_string(fields.size() + 1) + " values, got " +
                         std::to_string(values.size()) + " (a text setting must not contain \"{|}\")");
    return result;
  }
  RoomSettings settings;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const SettingField& field = fields[i];
    const std::u16string_view value = values[i + 1];
    if (field.text) {
      settings.*field.text = value;
    } else if (const std::optional<int32_t> number = ParseInt32(value)) {
      settings.*field.number = *number;
    } else {
      result.error = u"Set: " + Ascii(kLineSettings[i].key) + u" is not an integer: " + std::u16string(value);
      return result;
    }
  }
  result.settings = std::move(settings);
  return result;
}

}  // namespace companion
