#pragma once

// JSON text for the settings form's answers.

#include <string>
#include <string_view>

namespace web {

// `utf8` as a quoted JSON string.
std::string JsonString(std::string_view utf8);

// {"field":"<key>","error":"<reason>"}, what the form shows for a refused save.
std::string JsonError(std::string_view key, std::string_view reason);

}  // namespace web
