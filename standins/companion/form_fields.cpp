#include "standins/companion/form_fields.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "standins/companion/text_utf.h"

namespace companion {

namespace {

using K = FieldKind;

// Bounds of what a person sets in the form. Fonts keep to the 31 characters
// a Windows face name holds; folders to a classic path's length.
constexpr std::array<FormField, 26> kFields{{
    {"font", K::kText, 0, 31},
    {"color", K::kColour, 0, 0},
    {"fontSize", K::kInteger, 1, 500},
    {"textOpacity", K::kInteger, 0, 100},
    {"backgroundColor", K::kColour, 0, 0},
    {"backgroundOpacity", K::kInteger, 0, 100},
    {"RandomColor", K::kInteger, 0, 1},
    {"RandomModeType", K::kInteger, 0, 1},
    {"bold", K::kInteger, 0, 1},
    {"italic", K::kInteger, 0, 1},
    {"underline", K::kInteger, 0, 1},
    {"outline", K::kInteger, 0, 1},
    {"outlineOpacity", K::kInteger, 0, 100},
    {"outlineColor", K::kColour, 0, 0},
    {"outlineSize", K::kInteger, 0, 50},
    {"room_name", K::kText, 0, 100},
    {"thanks_string", K::kText, 0, 200},
    {"no_thanks_string", K::kText, 0, 200},
    {"show_second", K::kInteger, 0, 3600},
    {"show_size", K::kInteger, 0, 1000},
    {"is_no_thanks", K::kInteger, 0, 1},
    {"is_use_toolbox", K::kInteger, 0, 1},
    {"is_save_record", K::kInteger, 0, 1},
    {"save_folder", K::kText, 0, 260},
    {"gift_limit_mode", K::kInteger, 0, 4},
    {"delay_show_second", K::kInteger, 0, 600},
}};

constexpr uint32_t kColourBits = 0xFFFFFFu;
constexpr uint32_t kOpaque = 0xFF000000u;

const SettingField& MemberOf(std::string_view key) {
  for (const SettingField& field : SettingFields())
    if (field.key == key) return field;
  std::abort();  // the two tables name the same keys
}

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
std::optional<std::string> ReadField(const FormField& field, const std::string& text, const RoomSettings& current,
                                     RoomSettings& settings) {
  const SettingField& member = MemberOf(field.key);
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

std::span<const FormField> FormFields() { return kFields; }

std::optional<RoomSettings> ReadForm(const RoomSettings& current, const FormParams& params, FormError* error) {
  for (const auto& param : params) {
    const std::string& key = param.first;
    const bool known = std::any_of(kFields.begin(), kFields.end(), [&](const FormField& f) { return f.key == key; });
    if (!known) {
      *error = {key, "未知的设置项"};
      return std::nullopt;
    }
  }
  RoomSettings settings = current;
  for (const FormField& field : kFields) {
    const std::string key(field.key);
    if (params.count(key) != 1) {
      *error = {key, params.count(key) ? "重复提交" : "缺少此项"};
      return std::nullopt;
    }
    if (std::optional<std::string> reason = ReadField(field, params.find(key)->second, current, settings)) {
      *error = {key, std::move(*reason)};
      return std::nullopt;
    }
  }
  return settings;
}

std::vector<SettingMessage> ChangedSettings(const RoomSettings& before, const RoomSettings& after) {
  std::vector<SettingMessage> messages;
  for (const FormField& field : kFields) {
    const SettingField& member = MemberOf(field.key);
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
