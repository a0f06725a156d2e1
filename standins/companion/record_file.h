#pragma once

#include <filesystem>
#include <string>

namespace companion {

// Appends `utf8_line` to the gift record `file`, making the file (not its
// folder) when missing. False when it cannot be written.
bool AppendRecordLine(const std::filesystem::path& file, const std::string& utf8_line);

}  // namespace companion
