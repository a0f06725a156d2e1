#include "standins/companion/form_json.h"

#include <cstdio>

#include "standins/companion/form_fields.h"
#include "standins/companion/text_utf.h"
#include "standins/web/json_text.h"

namespace companion {

namespace {

std::string KindName(SettingKind kind) {
  switch (kind) {
    case SettingKind::kText: return "text";
    case SettingKind::kColour: return "colour";
    case SettingKind::kInteger: break;
  }
  return "integer";
}

std::string ColourText(int32_t argb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(static_cast<uint32_t>(argb) & 0xFFFFFFu));
  return text;
}

}  // namespace

std::string FormJson(const RoomSettings& settings) {
  std::string json = "{\"fields\":[";
  for (std::size_t i = 0; i < FormFields().size(); ++i) {
    const LineSetting& field = FormFields()[i];
    const SettingField& member = SettingFields()[i];
    std::string value;
    if (field.kind == SettingKind::kText)
      value = web::JsonString(ToUtf8(settings.*member.text));
    else if (field.kind == SettingKind::kColour)
      value = web::JsonString(ColourText(settings.*member.number));
    else
      value = std::to_string(settings.*member.number);
    if (json.back() != '[') json += ',';
    json += "{\"key\":" + web::JsonString(field.key) + ",\"kind\":\"" + KindName(field.kind) +
            "\",\"min\":" + std::to_string(field.min) + ",\"max\":" + std::to_string(field.max) +
            ",\"value\":" + value + "}";
  }
  return json + "]}";
}

}  // namespace companion
