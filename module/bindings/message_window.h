#pragma once

#include "module/platform/win32.h"

class XElement;

inline constexpr char16_t kMessageWindowClass[] = u"QuilloraThanks Message-Only-Window";

// Registers the window class, creates one hidden window owned by the calling
// thread and, while the runtime runs, introduces it to the companion with
// "setPlatform:6" and "init:<number>". Null when creation failed.
win::HWND CreateMessageWindow();

struct BindResult {
  win::HWND window;  // null when the window could not be made
  bool created;      // a new record was stored, with a null window or not
  // False only when the table could not grow: no record names the source.
  bool Bound() const { return window || created; }
};

// The window of the binding named by the element's "innerId", or a new
// window and binding whose number is written into "innerId". The companion
// hears of a new window before the element or the table change. A window
// that could not be made still leaves a record, with a null window and
// innerId "0". When the table cannot grow, the new window is destroyed and
// the result is {null, false} with the element unchanged.
BindResult BindOrCreate(XElement* element);

// Called by the window procedure when one of the module's windows is gone.
void ForgetMessageWindow(win::HWND window);

// Destroys every window the module made and still lives, on its owner
// thread's terms, and unregisters the class, so that no message reaches the
// window procedure once the module is gone.
void DestroyMessageWindows();
