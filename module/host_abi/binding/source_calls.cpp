// The plug-in's side of the host's callbacks and of its sources' slots: the
// host-ABI half (image_source_adapter.cpp) calls these. No exception may
// reach the host, whose frames cannot be unwound: each call catches them
// and answers as a call that did nothing would.

#include "module/host_abi/binding/host_calls.h"
#include "module/host_api/api.h"

namespace {

struct SourceClass {
  CreateSourceCallback create = nullptr;
  ConfigureSourceCallback configure = nullptr;
};
// Written while the host loads the module, before it can call any of them.
SourceClass source_classes[kObsapiSourceClasses];
int registered_classes = 0;

ImageSource* Source(void* source) { return static_cast<ImageSource*>(source); }

template <class Call>
void Guarded(Call call) {
  try {
    call();
  } catch (...) {
  }
}

}  // namespace

void OBSRegisterImageSourceClass(const char16_t* class_name, const char16_t* display_name, CreateSourceCallback create,
                                 ConfigureSourceCallback configure) {
  // The same callbacks share their host callbacks: a host that loads the
  // module again gets the class again.
  int index = 0;
  while (index < registered_classes &&
         (source_classes[index].create != create || source_classes[index].configure != configure))
    ++index;
  if (index == kObsapiSourceClasses) {
    AppWarning(u"OBSRegisterImageSourceClass: no room for another source class");
    return;
  }
  if (index == registered_classes) source_classes[registered_classes++] = {create, configure};
  obsapi_register_source_class(index, class_name, display_name, configure != nullptr);
}

extern "C" {

void* module_create_source(int index, void* element) {
  ImageSource* source = nullptr;
  Guarded([&] { source = source_classes[index].create(static_cast<XElement*>(element)); });
  return source;
}

bool module_configure_source(int index, void* element, bool creating) {
  bool accepted = false;
  Guarded([&] { accepted = source_classes[index].configure(static_cast<XElement*>(element), creating); });
  return accepted;
}

void module_source_delete(void* source) {
  Guarded([&] { delete Source(source); });
}
void module_source_prepare_frame(void* source) {
  Guarded([&] { Source(source)->PrepareFrame(); });
}
void module_source_advance_clock(void* source, float seconds) {
  Guarded([&] { Source(source)->AdvanceClock(seconds); });
}
void module_source_draw_at(void* source, float x, float y, float width, float height) {
  Guarded([&] { Source(source)->DrawAt(Vect2(x, y), Vect2(width, height)); });
}
void module_source_query_size(const void* source, float* width, float* height) {
  Guarded([&] {
    const Vect2 size = static_cast<const ImageSource*>(source)->QuerySize();
    *width = size.x;
    *height = size.y;
  });
}
void module_source_reload_settings(void* source) {
  Guarded([&] { Source(source)->ReloadSettings(); });
}
void module_source_activate(void* source) {
  Guarded([&] { Source(source)->ActivateInScene(); });
}
void module_source_deactivate(void* source) {
  Guarded([&] { Source(source)->DeactivateInScene(); });
}

}  // extern "C"
