#include "standins/web/json_text.h"

#include <cstdio>

namespace web {

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonError(std::string_view key, std::string_view reason) {
  return "{\"field\":" + JsonString(key) + ",\"error\":" + JsonString(reason) + "}";
}

}  // namespace web
