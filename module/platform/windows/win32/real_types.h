#pragma once

// Conversions between the portable declarations of module/platform/win32.h and the
// real ones of <windows.h>. The layouts are the same (win32/layout_checks.cpp),
// so pointers convert as they are.
//
// module/platform/win32.h comes first: <windows.h> defines its constant names as
// macros, which would rewrite the portable declarations.

// clang-format off
#include "module/platform/win32.h"

#include <windows.h>
// clang-format on

#include "module/platform/windows/same_layout_cast.h"

namespace win::real {

using platform::windows::As;

template <class Ours, class Real>
Ours Back(Real real) {
  return reinterpret_cast<Ours>(real);
}

}  // namespace win::real
