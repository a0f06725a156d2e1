#pragma once

// The portable declarations (module/platform/win32.h, module/platform/gdiplus.h) and the
// system's own have the same layouts, so pointers to one convert to pointers
// to the other as they are.

namespace platform::windows {

template <class Theirs, class Ours>
Theirs* As(Ours* ours) {
  return reinterpret_cast<Theirs*>(ours);
}

template <class Theirs, class Ours>
const Theirs* As(const Ours* ours) {
  return reinterpret_cast<const Theirs*>(ours);
}

}  // namespace platform::windows
