#pragma once

// The live page, its style and script, compiled into the preview from the
// files in preview/live.

#include <string_view>

#include "companion/form_assets.h"

namespace live_page {

// The asset called `name`, or null.
const companion::FormAsset* FindLiveAsset(std::string_view name);

}  // namespace live_page
