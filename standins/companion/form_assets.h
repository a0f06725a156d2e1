#pragma once

// The settings form's page, style and script, compiled into the companion
// from the files in standins/companion/form.

#include <string_view>

#include "standins/web/embedded_asset.h"

namespace companion {

// The asset called `name`, or null.
const web::EmbeddedAsset* FindFormAsset(std::string_view name);

}  // namespace companion
