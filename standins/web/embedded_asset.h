#pragma once

// A file compiled into a program (embed_assets.cmake): the companion's
// settings form, the preview's live page.

#include <string_view>

namespace web {

struct EmbeddedAsset {
  std::string_view name;          // file name, e.g. "form.js"
  std::string_view content_type;  // with its charset
  std::string_view body;
};

}  // namespace web
