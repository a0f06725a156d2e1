// The stand-in host's calls of a plug-in's source, in the host's ABI: each
// through its slot of the host's ImageSource.

#include "module/host_abi/obsapi.h"
#include "standins/host_library/msvc/standin_calls.h"

namespace {
ImageSource* Source(void* source) { return static_cast<ImageSource*>(source); }
}  // namespace

extern "C" {

// Slot 0, the scalar deleting destructor: the plug-in frees its own storage.
void standin_source_delete(void* source) { delete Source(source); }
void standin_source_preprocess(void* source) { Source(source)->Preprocess(); }
void standin_source_tick(void* source, float seconds) { Source(source)->Tick(seconds); }
void standin_source_render(void* source, float x, float y, float width, float height) {
  Source(source)->Render(Vect2(x, y), Vect2(width, height));
}
void standin_source_get_size(const void* source, float* width, float* height) {
  const Vect2 size = static_cast<const ImageSource*>(source)->GetSize();
  *width = size.x;
  *height = size.y;
}
void standin_source_update_settings(void* source) { Source(source)->UpdateSettings(); }
void standin_source_begin_scene(void* source) { Source(source)->BeginScene(); }
void standin_source_end_scene(void* source) { Source(source)->EndScene(); }

}  // extern "C"
