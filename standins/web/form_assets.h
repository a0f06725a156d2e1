#pragma once

// The settings form's page, style and script, compiled into the companion
// from the files in standins/companion/form.

#include <string_view>

namespace companion {

struct FormAsset {
  std::string_view name;          // file name, e.g. "form.js"
  std::string_view content_type;  // with its charset
  std::string_view body;
};

// The asset called `name`, or null.
const FormAsset* FindFormAsset(std::string_view name);

}  // namespace companion
