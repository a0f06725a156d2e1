#pragma once

// This library defines a few Gdip* functions itself, in front of libgdiplus
// (see font_cell_height.cpp and caller_memory_bitmaps.cpp), and fontconfig's
// FcFini (font_library_teardown.cpp). The dynamic linker binds every caller
// to the first definition in its lookup order, so ours win as long as quillora_win32
// comes before libgdiplus (and fontconfig, which it loads) there, which
// linking quillora_win32 ahead of libgdiplus gives. Our definitions reach the
// originals through dlsym(RTLD_NEXT), which searches the objects loaded after
// this one.

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace gdi {

// The definition of `name` that this library's own one hides.
template <typename Function>
Function* NextDefinition(const char* name) {
  void* found = dlsym(RTLD_NEXT, name);
  if (!found) {
    std::fprintf(stderr, "quillora_win32: %s not found behind this library\n", name);
    std::abort();
  }
  return reinterpret_cast<Function*>(found);
}

}  // namespace gdi
