#pragma once

#include "platform/win32.h"

namespace gdi {

// The 8-bit form of a LOGFONTW face name for LOGFONTA, as libgdiplus reads
// it: UTF-8, cut before the character that would not fit in 31 bytes and
// 0-terminated. Unpaired surrogates become U+FFFD.
void NarrowFaceName(const win::WCHAR (&wide)[32], char (&narrow)[32]);

}  // namespace gdi
