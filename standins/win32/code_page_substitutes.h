#pragma once

// What Windows' MultiByteToWideChar makes of the bytes iconv cannot decode.

#include <cstddef>

#include "module/platform/win32.h"

namespace standin {

struct Substitute {
  win::WCHAR unit;    // the one UTF-16 unit they become
  std::size_t bytes;  // how many bytes of the input that takes, at least 1
  bool invalid;       // an invalid sequence (fails under MB_ERR_INVALID_CHARS)
};

// For the `remaining` bytes at `at` (at least one), which iconv rejected in
// `code_page` (CP_UTF8, CP_GBK or CP_WESTERN).
Substitute SubstituteFor(win::UINT code_page, const unsigned char* at, std::size_t remaining);

}  // namespace standin
