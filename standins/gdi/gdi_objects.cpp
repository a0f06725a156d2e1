#include "standins/gdi/gdi_objects.h"

#include <unordered_map>

#include "module/platform/gdiplus_lock.h"

namespace gdi {
namespace {

std::unordered_map<win::HGDIOBJ, std::unique_ptr<GdiObject>>& Objects() {
  static std::unordered_map<win::HGDIOBJ, std::unique_ptr<GdiObject>> objects;
  return objects;
}

}  // namespace

win::HGDIOBJ AddObject(std::unique_ptr<GdiObject> object) {
  win::HGDIOBJ handle = object.get();
  Objects().emplace(handle, std::move(object));
  return handle;
}

GdiObject* FindObject(win::HGDIOBJ handle) {
  auto found = Objects().find(handle);
  return found == Objects().end() ? nullptr : found->second.get();
}

}  // namespace gdi

namespace win {

BOOL DeleteObject(HGDIOBJ object) {
  platform::GdiplusGuard guard;
  return gdi::Objects().erase(object) ? 1 : 0;
}

}  // namespace win
