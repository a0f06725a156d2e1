#include "standins/win32/window_registry.h"

#include <algorithm>

#include "standins/win32/message_queue.h"
#include "standins/win32/standin_user32.h"

namespace standin {

namespace {

// Handles stay below this so that they never reach the fake object handles
// or the special negative values (HWND_MESSAGE, -1).
constexpr uintptr_t kHandleLimit = uintptr_t{1} << 48;

bool SameInstance(const WindowClass& window_class, win::HINSTANCE instance) {
  return instance == nullptr || window_class.instance == instance;
}

}  // namespace

WindowSystem& System() {
  // Never destroyed: threads may still exit, and so touch it, after static
  // destructors have run.
  static WindowSystem* const system = new WindowSystem;
  return *system;
}

std::u16string FoldClassName(const win::WCHAR* name) {
  std::u16string folded(name);
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; });
  return folded;
}

bool IsAtom(const win::WCHAR* name_or_atom) { return reinterpret_cast<uintptr_t>(name_or_atom) < 0x10000; }

WindowClass* FindClass(Guard&, const win::WCHAR* name_or_atom, win::HINSTANCE instance) {
  if (name_or_atom == nullptr) return nullptr;
  auto& classes = System().classes;
  auto found = classes.end();
  if (IsAtom(name_or_atom)) {
    const auto atom = static_cast<win::ATOM>(reinterpret_cast<uintptr_t>(name_or_atom));
    found = std::find_if(classes.begin(), classes.end(),
                         [&](const auto& c) { return c->atom == atom && SameInstance(*c, instance); });
  } else {
    const std::u16string folded = FoldClassName(name_or_atom);
    found = std::find_if(classes.begin(), classes.end(),
                         [&](const auto& c) { return c->folded_name == folded && SameInstance(*c, instance); });
  }
  return found == classes.end() ? nullptr : found->get();
}

Window* FindWindow(Guard&, win::HWND window) {
  auto& windows = System().windows;
  const auto found = windows.find(HandleValue(window));
  return found == windows.end() ? nullptr : &found->second;
}

win::HWND AddWindow(Guard&, WindowClass& window_class, ThreadQueue& owner) {
  WindowSystem& system = System();
  const uintptr_t handle = system.next_handle++;
  system.windows.emplace(handle, Window{window_class.procedure, &owner, &window_class});
  ++window_class.windows;
  return reinterpret_cast<win::HWND>(handle);
}

void ForgetWindow(Guard& guard, win::HWND window) {
  auto& windows = System().windows;
  const auto found = windows.find(HandleValue(window));
  if (found == windows.end()) return;
  ThreadQueue& owner = *found->second.owner;
  --found->second.window_class->windows;
  windows.erase(found);

  std::erase_if(owner.posted, [&](const win::MSG& msg) { return msg.hwnd == window; });
  const auto waiting = std::stable_partition(owner.incoming.begin(), owner.incoming.end(),
                                             [&](const SentMessage* sent) { return sent->window != window; });
  for (auto it = waiting; it != owner.incoming.end(); ++it) CompleteSentMessage(guard, **it, 0, false);
  owner.incoming.erase(waiting, owner.incoming.end());
}

win::LRESULT CallProcedure(Guard& guard, win::HWND window, win::UINT message, win::WPARAM wparam,
                           win::LPARAM lparam) {
  const Window* target = FindWindow(guard, window);
  if (target == nullptr) return 0;
  const win::WNDPROC procedure = target->procedure;
  guard.unlock();
  const win::LRESULT result = procedure(window, message, wparam, lparam);
  guard.lock();
  return result;
}

bool SetNextWindowHandle(uintptr_t value) {
  Guard guard(System().lock);
  if (value < System().next_handle || value >= kHandleLimit) return false;
  System().next_handle = value;
  return true;
}

std::size_t LiveWindowCount() {
  Guard guard(System().lock);
  return System().windows.size();
}

std::size_t LiveWindowCountOnThread(win::DWORD thread_id) {
  Guard guard(System().lock);
  const auto& windows = System().windows;
  return static_cast<std::size_t>(std::count_if(
      windows.begin(), windows.end(), [&](const auto& entry) { return entry.second.owner->thread_id == thread_id; }));
}

std::size_t RegisteredClassCount() {
  Guard guard(System().lock);
  return System().classes.size();
}

}  // namespace standin
