#pragma once

// A submitted settings form that changes nothing: every field with the value
// `settings` holds, as the page sends it.

#include <cstdio>
#include <string>

#include "standins/companion/form_fields.h"
#include "standins/companion/text_utf.h"

namespace companion {

inline FormParams UnchangedForm(const RoomSettings& settings) {
  FormParams params;
  for (const LineSetting& field : FormFields()) {
    std::u16string value;
    SettingText(settings, field.key, &value);
    std::string text = ToUtf8(value);
    if (field.kind == SettingKind::kColour) {
      char colour[8];
      std::snprintf(colour, sizeof colour, "#%06x", static_cast<unsigned>(std::stoul(text) & 0xFFFFFFu));
      text = colour;
    }
    params.emplace(field.key, text);
  }
  return params;
}

// `params` with `key` set to `value`.
inline FormParams With(FormParams params, const std::string& key, const std::string& value) {
  params.erase(key);
  params.emplace(key, value);
  return params;
}

}  // namespace companion
