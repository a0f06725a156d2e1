// Says so at load when the process binds the functions that this library
// defines (next_definition.h) to libgdiplus or fontconfig instead: then fonts
// come out too large, drawings never reach caller memory and a GDI+ shutdown
// can abort, which is hard to trace back otherwise.

#include <dlfcn.h>

#include <cstdio>
#include <initializer_list>

namespace {

void CheckInterposition();

bool BindsHere(const char* name) {
  Dl_info found{}, here{};
  void* symbol = dlsym(RTLD_DEFAULT, name);
  return symbol && dladdr(symbol, &found) && dladdr(reinterpret_cast<void*>(&CheckInterposition), &here) &&
         found.dli_fbase == here.dli_fbase;
}

[[gnu::constructor]] void CheckInterposition() {
  for (const char* name :
       {"GdipCreateFontFromLogfontA", "GdipCreateFontFromLogfontW", "GdipCreateBitmapFromScan0",
        "GdipGetImageGraphicsContext", "GdipDeleteGraphics", "GdipDisposeImage", "GdipDrawPath", "GdipFillPath",
        "FcFini"}) {
    if (!BindsHere(name)) {
      std::fprintf(stderr, "quillora_win32: %s binds to another library, not here; link quillora_win32 before libgdiplus\n", name);
    }
  }
}

}  // namespace
