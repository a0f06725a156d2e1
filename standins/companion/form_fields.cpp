#include "standins/companion/form_fields.h"

#include <algorithm>
#include <iterator>

#include "standins/companion/text_utf.h"

namespace companion {

namespace {

using K = SettingKind;

constexpr uint32_t kColourBits = 0xFFFFFFu;
constexpr uint32_t kOpaque = 0xFF000000u;

std::optional<uint32_t> ParseColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  uint32_t value = 0;
  for (char c : text.substr(1)) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return std::nullopt;
    value = value << 4 | uint32_t(digit);
  }
  return value;
}

// Reads one field's text into `settings`; the reason when it breaks a rule.
std::optional<std::string> ReadField(const LineSetting& field, const SettingField& member, const std::string& text,
                                     const RoomSettings& current, RoomSettings& settings) {
  if (field.kind == K::kText) {
    std::optional<std::u16string> value = FromUtf8(text);
    if (!value) return "不是有效的 UTF-8 文字";
    if (*value == current.*member.text) return std::nullopt;
    if (value->empty()) return "不能清空（插件不接受空值）";
    if (value->size() > std::size_t(field.max)) return "最多 " + std::to_string(field.max) + " 个字符";
    if (value->find(u"{|}") != std::u16string::npos) return "不能包含 {|}";
    if (value->find(u'\0') != std::u16string::npos) return "不能包含空字符";
    settings.*member.text = std::move(*value);
    return std::nullopt;
  }
  if (field.kind == K::kColour) {
    const std::optional<uint32_t> rgb = ParseColour(text);
    if (!rgb) return "颜色应写作 #rrggbb";
    if (*rgb != (uint32_t(current.*member.number) & kColourBits)) settings.*member.number = int32_t(*rgb | kOpaque);
    return std::nullopt;
  }
  const std::optional<int32_t> value = ParseInt32(Ascii(text));
  if (!value) return "应为整数";
  if (*value == current.*member.number) return std::nullopt;
  if (*value < field.min || *value > field.max)
    return "应在 " + std::to_string(field.min) + " 到 " + std::to_string(field.max) + " 之间";
  settings.*member.number = *value;
  return std::nullopt;
}

}  // namespace

std::span<const LineSetting> FormFields() { return kLineSettings; }

std::optional<RoomSettings> ReadForm(const RoomSettings& current, const FormParams& params, FormError* error) {
  for (const auto& param : params) {
    const std::string& key = param.first;
    const bool known = std::any_of(std::begin(kLineSettings), std::end(kLineSettings),
                                   [&](const LineSetting& f) { return f.key == key; });
    if (!known) {
      *error = {key, "未知的设置项"};
      return std::nullopt;
    }
  }
  RoomSettings settings = current;
  for (std::size_t i = 0; i < std::size(kLineSettings); ++i) {
    const LineSetting& field = kLineSettings[i];
    const std::string key(field.key);
    if (params.count(key) != 1) {
      *error = {key, params.count(key) ? "重复提交" : "缺少此项"};
      return std::nullopt;
    }
    if (std::optional<std::string> reason =
            ReadField(field, SettingFields()[i], params.find(key)->second, current, settings)) {
      *error = {key, std::move(*reason)};
      return std::nullopt;
    }
  }
  return settings;
}

std::vector<SettingMessage> ChangedSettings(const RoomSettings& before, const RoomSettings& after) {
  std::vector<SettingMessage> messages;
  for (std::size_t i = 0; i < std::size(kLineSettings); ++i) {
    const LineSetting& field = kLineSettings[i];
    const SettingField& member = SettingFields()[i];
    const std::u16string prefix = Ascii(field.key) + u"|";
    if (field.kind == K::kText) {
      if (after.*member.text != before.*member.text) messages.push_back({102, prefix + after.*member.text});
    } else if (field.kind == K::kColour) {
      const uint32_t rgb = uint32_t(after.*member.number) & kColourBits;
      if (rgb != (uint32_t(before.*member.number) & kColourBits))
        messages.push_back({103, prefix + Ascii(std::to_string(rgb))});
    } else if (after.*member.number != before.*member.number) {
      messages.push_back({101, prefix + Ascii(std::to_string(after.*member.number))});
    }
  }
  return messages;
}

}  // namespace companion
