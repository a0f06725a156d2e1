#pragma once

#include <cstdint>

#include "module/host_api/string.h"
#include "module/platform/win32.h"

class XElement;

// Ties one source (by its "innerId" setting) to its message window, its
// settings element and the latest thanks text the companion sent for it.
struct SourceBinding {
  // The message window; null only when its creation failed.
  win::HWND window = nullptr;
  // The window number as decimal text; ".delete" is appended when the source
  // is destroyed (or, without memory for that, the text is dropped).
  String innerId;
  // The source's settings element, not owned; null once the source is gone.
  XElement* element = nullptr;
  // 1 from creation and after every text message; never cleared.
  int32_t textChanged = 0;
  // The latest thanks text.
  String text;
};
