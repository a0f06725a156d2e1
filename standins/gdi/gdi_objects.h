#pragma once

// The stand-in's GDI objects: a font or a DIB section is a heap object whose
// address is its handle. Handles are looked up in a registry, so a stale or
// foreign handle is refused, as Win32 refuses it, instead of being used.
// Callers hold the GDI+ lock, which guards all state of the stand-in's GDI.

#include <cstddef>
#include <cstdlib>
#include <memory>

#include "module/platform/win32.h"

namespace gdi {

class GdiObject {
 public:
  virtual ~GdiObject() = default;
};

class FontObject : public GdiObject {
 public:
  explicit FontObject(const win::LOGFONTW& description) : logfont(description) {}
  win::LOGFONTW logfont;
};

class DibSection : public GdiObject {
 public:
  // `bits` is null when there is not that much memory.
  explicit DibSection(std::size_t bytes) : bits(std::calloc(bytes, 1)) {}
  ~DibSection() override { std::free(bits); }
  DibSection(const DibSection&) = delete;
  DibSection& operator=(const DibSection&) = delete;
  void* const bits;
};

// Takes ownership and returns the handle.
win::HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);
// The object behind `handle`, or null.
GdiObject* FindObject(win::HGDIOBJ handle);

}  // namespace gdi
