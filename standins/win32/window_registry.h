#pragma once

// The process-wide window system state: registered classes and live windows.
// One lock guards it and every thread queue. Functions taking a Guard expect it
// to hold that lock; none of them calls a window procedure.

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "module/platform/win32.h"

namespace standin {

struct ThreadQueue;

using Guard = std::unique_lock<std::mutex>;

struct WindowClass {
  std::u16string folded_name;  // see FoldClassName
  win::HINSTANCE instance;
  win::WNDPROC procedure;
  win::ATOM atom;
  std::size_t windows = 0;
};

struct Window {
  win::WNDPROC procedure;
  ThreadQueue* owner;
  WindowClass* window_class;
  bool destroying = false;  // DestroyWindow is delivering WM_DESTROY/WM_NCDESTROY
};

struct WindowSystem {
  std::mutex lock;
  std::vector<std::unique_ptr<WindowClass>> classes;
  std::unordered_map<uintptr_t, Window> windows;
  uintptr_t next_handle = 0x10000;  // above HWND_BROADCAST (0xFFFF)
};

WindowSystem& System();

// Win32 compares class names without regard to case (ASCII letters here).
std::u16string FoldClassName(const win::WCHAR* name);

// A class name argument may be a class atom: a value below 0x10000.
bool IsAtom(const win::WCHAR* name_or_atom);

// The class CreateWindowExW and UnregisterClassW mean: same name (or atom) and
// same module, where a null module matches any.
WindowClass* FindClass(Guard&, const win::WCHAR* name_or_atom, win::HINSTANCE instance);

Window* FindWindow(Guard&, win::HWND window);

// Registers a new window of `window_class` owned by `owner`, with a fresh handle.
win::HWND AddWindow(Guard&, WindowClass& window_class, ThreadQueue& owner);

// Removes the window and everything still waiting for it: its posted messages
// are dropped and senders blocked on it are released with 0.
void ForgetWindow(Guard&, win::HWND window);

// Calls the window's procedure without the lock held; 0 if the window is gone.
win::LRESULT CallProcedure(Guard&, win::HWND window, win::UINT message, win::WPARAM wparam, win::LPARAM lparam);

inline uintptr_t HandleValue(win::HWND window) { return reinterpret_cast<uintptr_t>(window); }

}  // namespace standin
