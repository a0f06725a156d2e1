// Where the host's library shares the plug-in's compiler and ABI (Linux):
// the plug-in's callbacks and its ImageSource are called as they are.

#include <memory>

#include "standins/host_library/host_abi.h"

void OBSRegisterImageSourceClass(const char16_t* class_name, const char16_t* display_name, CreateSourceCallback create,
                                 ConfigureSourceCallback configure) {
  standin::AddRegisteredClass(
      {class_name, display_name ? display_name : u"",
       std::make_shared<standin::CallbackClass<CreateSourceCallback, ConfigureSourceCallback>>(create, configure)});
}

namespace standin {

namespace {
ImageSource* Source(void* source) { return static_cast<ImageSource*>(source); }
}  // namespace

HostedSource::~HostedSource() { delete Source(source_); }
void HostedSource::Preprocess() { Source(source_)->PrepareFrame(); }
void HostedSource::Tick(float seconds) { Source(source_)->AdvanceClock(seconds); }
void HostedSource::Render(const Vect2& position, const Vect2& size) { Source(source_)->DrawAt(position, size); }
Vect2 HostedSource::GetSize() const { return Source(source_)->QuerySize(); }
void HostedSource::UpdateSettings() { Source(source_)->ReloadSettings(); }
void HostedSource::BeginScene() { Source(source_)->ActivateInScene(); }
void HostedSource::EndScene() { Source(source_)->DeactivateInScene(); }

const void* HostTextureSlots() { return nullptr; }
void PublishOutput(bool) {}

}  // namespace standin
