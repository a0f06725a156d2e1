#pragma once

// The live page, its style and script, compiled into the preview from the
// files in preview/live.

#include <string_view>

namespace live_page {

struct LiveAsset {
  std::string_view name;          // file name, e.g. "live.js"
  std::string_view content_type;  // with its charset
  std::string_view body;
};

// The asset called `name`, or null.
const LiveAsset* FindLiveAsset(std::string_view name);

}  // namespace live_page
