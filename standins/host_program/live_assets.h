#pragma once

// The live page, its style and script, compiled into the preview from the
// files in standins/host_program/live.

#include <string_view>

#include "standins/web/embedded_asset.h"

namespace live_page {

// The asset called `name`, or null.
const web::EmbeddedAsset* FindLiveAsset(std::string_view name);

}  // namespace live_page
