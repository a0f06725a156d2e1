#pragma once

#include "module/platform/win32.h"

namespace gdi {

// The 8-bit form of a LOGFONTW face name for LOGFONTA, as Windows writes it:
// in the ANSI code page, a character it lacks as '?', as many whole
// characters as fit in 32 bytes, and then byte 31 set to 0 (which can leave
// half a double-byte character before it).
void NarrowFaceName(const win::WCHAR (&wide)[32], char (&narrow)[32]);

}  // namespace gdi
