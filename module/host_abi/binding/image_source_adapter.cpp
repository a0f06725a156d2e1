// What the host holds of each of the plug-in's sources: an ImageSource in the
// host's layout whose slots hand each call to the plug-in's own source, and
// the host's callbacks that make one.

#include "module/host_abi/binding/host_calls.h"
#include "module/host_abi/obsapi.h"
#include "module/host_abi/placement_new.h"

namespace {

class ModuleImageSource final : public ImageSource {
 public:
  // A zero-filled block of the host's allocator for one adapter, as the
  // host's own operator new gives; null when it has no memory.
  static void* Allocate() {
    void* block = MainAllocator->_Allocate(sizeof(ModuleImageSource));
    if (block)
      for (size_t i = 0; i < sizeof(ModuleImageSource); ++i) static_cast<unsigned char*>(block)[i] = 0;
    return block;
  }
  // The adapter of the plug-in's `source`, in a block from Allocate.
  static ModuleImageSource* Make(void* block, void* source) { return new (block) ModuleImageSource(source); }
  // The host deletes the source through slot 0: the plug-in's source goes,
  // then the block goes back to the host's allocator.
  ~ModuleImageSource() override { module_source_delete(source_); }
  static void operator delete(void* block) { MainAllocator->_Free(block); }

  void Preprocess() override { module_source_prepare_frame(source_); }
  void Tick(float seconds) override { module_source_advance_clock(source_, seconds); }
  void Render(const Vect2& pos, const Vect2& size) override {
    module_source_draw_at(source_, pos.x, pos.y, size.x, size.y);
  }
  Vect2 GetSize() const override {
    Vect2 size(0.0f, 0.0f);
    module_source_query_size(source_, &size.x, &size.y);
    return size;
  }
  void UpdateSettings() override { module_source_reload_settings(source_); }
  void BeginScene() override { module_source_activate(source_); }
  void EndScene() override { module_source_deactivate(source_); }

 private:
  explicit ModuleImageSource(void* source) : source_(source) {}

  void* source_;
};

// The host's callbacks for class number N: __stdcall, as the host calls them.
template <int N>
LPVOID __stdcall CreateSource(XElement* data) {
  // The adapter's block first: a source once made is never dropped unseen.
  void* block = ModuleImageSource::Allocate();
  if (!block) return nullptr;
  void* source = module_create_source(N, data);
  if (!source) {
    MainAllocator->_Free(block);
    return nullptr;
  }
  return static_cast<ImageSource*>(ModuleImageSource::Make(block, source));
}

template <int N>
bool __stdcall ConfigureSource(XElement* element, bool creating) {
  return module_configure_source(N, element, creating);
}

struct ClassCallbacks {
  OBSCREATEPROC create;
  OBSCONFIGPROC configure;
};

template <int... N>
constexpr const ClassCallbacks kCallbacks[] = {{&CreateSource<N>, &ConfigureSource<N>}...};

constexpr const ClassCallbacks (&kClassCallbacks)[kObsapiSourceClasses] = kCallbacks<0, 1, 2, 3>;

}  // namespace

extern "C" void obsapi_register_source_class(int index, const char16_t* class_name, const char16_t* display_name,
                                             bool configurable) {
  const ClassCallbacks& callbacks = kClassCallbacks[index];
  // The host's supported way in: its exported function, whose name and
  // arguments have stayed the same in every release, rather than
  // APIInterface's slot 5, which moved between releases.
  OBSRegisterImageSourceClass(reinterpret_cast<CTSTR>(class_name), reinterpret_cast<CTSTR>(display_name),
                              callbacks.create, configurable ? callbacks.configure : nullptr);
}
