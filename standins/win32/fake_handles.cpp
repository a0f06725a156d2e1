// Handles for things this system has no real counterpart of: the executable
// module, the predefined icons and cursors, the stock brushes. They are
// distinct non-null values that nothing dereferences.

#include <algorithm>
#include <array>
#include <span>

#include "standins/fault_injection/faults.h"
#include "standins/win32/fake_handles.h"
#include "standins/win32/last_error.h"
#include "standins/win32/standin_user32.h"
#include "standins/win32/win32_values.h"

namespace {

// Where a typical 64-bit executable is mapped.
constexpr uintptr_t kExecutableBase = 0x1'4000'0000;

// Fake objects live above every window handle (those stay below 2^48).
constexpr uintptr_t kFakeObjects = uintptr_t{1} << 48;
constexpr uintptr_t kIcons = kFakeObjects | 0x1'0000;
constexpr uintptr_t kCursors = kFakeObjects | 0x2'0000;
constexpr uintptr_t kStockObjects = kFakeObjects | 0x3'0000;

// The predefined ids. Icons: IDI_APPLICATION to IDI_SHIELD. Cursors:
// IDC_ARROW to IDC_UPARROW, IDC_PEN, IDC_SIZE and IDC_ICON, IDC_SIZENWSE to
// IDC_HELP (32647 is unused), IDC_PIN and IDC_PERSON.
constexpr std::array<uintptr_t, 7> kIconIds{32512, 32513, 32514, 32515, 32516, 32517, 32518};
constexpr std::array<uintptr_t, 19> kCursorIds{32512, 32513, 32514, 32515, 32516, 32631, 32640,
                                               32641, 32642, 32643, 32644, 32645, 32646, 32648,
                                               32649, 32650, 32651, 32671, 32672};

constexpr int kWhiteBrush = 0, kNullBrush = 5;

uintptr_t ResourceId(const win::WCHAR* name) { return reinterpret_cast<uintptr_t>(name); }

// Only the system's own resources exist: a null module and a predefined id.
template <typename Handle>
Handle LoadPredefined(win::HINSTANCE instance, const win::WCHAR* name, std::span<const uintptr_t> ids,
                      uintptr_t base) {
  if (instance != nullptr || std::find(ids.begin(), ids.end(), ResourceId(name)) == ids.end()) {
    standin::SetLastError(standin::ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<Handle>(base + ResourceId(name));
}

}  // namespace

namespace standin {

win::HMODULE ExecutableModule() { return reinterpret_cast<win::HMODULE>(kExecutableBase); }

}  // namespace standin

namespace win {

// Only the executable is known by handle; named modules are not looked up.
HMODULE GetModuleHandleW(const WCHAR* module_name) {
  if (module_name != nullptr || platform::FaultInjected(platform::FaultPoint::ModuleHandle)) {
    standin::SetLastError(standin::ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return standin::ExecutableModule();
}

HICON LoadIconW(HINSTANCE instance, const WCHAR* name) {
  return LoadPredefined<HICON>(instance, name, kIconIds, kIcons);
}

HCURSOR LoadCursorW(HINSTANCE instance, const WCHAR* name) {
  return LoadPredefined<HCURSOR>(instance, name, kCursorIds, kCursors);
}

// The stock brushes only; other stock objects (pens, fonts, palette) are
// null, so that GDI code never gets a handle it cannot describe.
HGDIOBJ GetStockObject(int object) {
  if (object < kWhiteBrush || object > kNullBrush) return nullptr;
  return reinterpret_cast<HGDIOBJ>(kStockObjects + static_cast<uintptr_t>(object));
}

}  // namespace win
