// Where the host's library shares the plug-in's compiler and ABI (Linux):
// the plug-in's callbacks and its ImageSource are called as they are.

#include <utility>

#include "platform/hostapi/host_abi.h"

namespace {

class GnuSource : public standin::HostedSource {
 public:
  explicit GnuSource(ImageSource* source) : source_(source) {}
  ~GnuSource() override { delete source_; }

  void Preprocess() override { source_->PrepareFrame(); }
  void Tick(float seconds) override { source_->AdvanceClock(seconds); }
  void Render(const Vect2& position, const Vect2& size) override { source_->DrawAt(position, size); }
  Vect2 GetSize() const override { return source_->QuerySize(); }
  void UpdateSettings() override { source_->ReloadSettings(); }
  void BeginScene() override { source_->ActivateInScene(); }
  void EndScene() override { source_->DeactivateInScene(); }

 private:
  ImageSource* source_;
};

class GnuClass : public standin::HostedClass {
 public:
  GnuClass(CreateSourceCallback create, ConfigureSourceCallback configure) : create_(create), configure_(configure) {}

  std::unique_ptr<standin::HostedSource> Create(XElement* data) const override {
    ImageSource* source = create_(data);
    if (!source) return nullptr;
    return std::make_unique<GnuSource>(source);
  }
  bool Configure(XElement* element, bool creating) const override {
    return configure_ && configure_(element, creating);
  }
  bool HasConfigure() const override { return configure_ != nullptr; }

 private:
  CreateSourceCallback create_;
  ConfigureSourceCallback configure_;
};

}  // namespace

void OBSRegisterImageSourceClass(const char16_t* class_name, const char16_t* display_name,
                                 CreateSourceCallback create, ConfigureSourceCallback configure) {
  standin::AddRegisteredClass(
      {class_name, display_name ? display_name : u"", std::make_shared<GnuClass>(create, configure)});
}

namespace standin {

const void* HostTextureSlots() { return nullptr; }
void PublishOutput(bool) {}

}  // namespace standin
