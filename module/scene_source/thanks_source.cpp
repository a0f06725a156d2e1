#include "module/scene_source/thanks_source.h"

#include <cstring>
#include <mutex>
#include <new>

#include "module/bindings/binding_table.h"
#include "module/bindings/message_window.h"
#include "module/bridge/commands.h"
#include "module/bridge/runtime.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/scene_source/configure.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/drawing_settings.h"
#include "module/scene_source/texture_renderer.h"

namespace {

const char16_t* InnerId(const XElement* element) { return element->GetString(u"innerId", u""); }

}  // namespace

ImageSource* CreateThanksSource(XElement* element) {
  void* storage = MainAllocator->AllocateBlock(sizeof(QuilloraThanksImage));
  if (!storage) return nullptr;
  std::memset(storage, 0, sizeof(QuilloraThanksImage));
  auto* source = new (storage) QuilloraThanksImage(element);
  // A font name that could not be copied means the allocator is out of
  // memory. The source never bound, so it leaves the element's binding alone.
  if (!source->font.IsValid() && slen(Read(element, TextSetting("font"))) != 0) {
    source->element = nullptr;
    delete source;
    return nullptr;
  }
  return source;
}

void QuilloraThanksImage::operator delete(void* storage) noexcept { MainAllocator->FreeBlock(storage); }

// The storage was zero-filled, but a constructor may not rely on that: the
// compiler treats stores before the object's lifetime as dead. Every field
// that ReloadSettings does not set is set here.
QuilloraThanksImage::QuilloraThanksImage(XElement* element_) : textureSize{0, 0}, texture(nullptr) {
  element = element_;
  ReloadSettings();
}

QuilloraThanksImage::~QuilloraThanksImage() {
  if (element) {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    MarkBindingDeleted(InnerId(element));
  }
  delete texture;
  texture = nullptr;
}

void QuilloraThanksImage::ReloadSettings() {
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  font = Read(element, TextSetting("font"));
  color = static_cast<uint32_t>(Read(element, IntSetting("color")));
  fontSize = Read(element, IntSetting("fontSize"));
  textOpacity = static_cast<uint32_t>(Read(element, IntSetting("textOpacity")));
  outline = Read(element, IntSetting("outline")) == 1;
  outlineColor = static_cast<uint32_t>(Read(element, IntSetting("outlineColor")));
  outlineSize = Read(element, FloatSetting("outlineSize"));
  outlineOpacity = static_cast<uint32_t>(Read(element, IntSetting("outlineOpacity")));
  backgroundColor = static_cast<uint32_t>(Read(element, IntSetting("backgroundColor")));
  backgroundOpacity = static_cast<uint32_t>(Read(element, IntSetting("backgroundOpacity")));
  bold = Read(element, IntSetting("bold")) != 0;
  italic = Read(element, IntSetting("italic")) != 0;
  underline = Read(element, IntSetting("underline")) != 0;
  baseSize.x = element->GetFloat(u"baseSizeCX", 32.0f);
  baseSize.y = element->GetFloat(u"baseSizeCY", 32.0f);
}

void QuilloraThanksImage::PrepareFrame() {
  // Held through the render: DisplayText and RenderPending belong to every
  // source, and the window procedure writes the binding's text.
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  if (Read(element, IntSetting("RandomColor")) != 0)
    color = static_cast<uint32_t>(element->GetInt(u"RandomForeColor", -1));
  if (const SourceBinding* binding = FindBindingByInnerId(InnerId(element))) {
    RenderPending = binding->textChanged != 0;
    if (binding->text.IsValid()) {
      DisplayText() = binding->text;
      DisplayText().KillSpaces();
    }
  }
  if (RenderPending) {
    UpdateTexture(this);
    RenderPending = 0;
  }
}

void QuilloraThanksImage::AdvanceClock(float) {}

void QuilloraThanksImage::DrawAt(const Vect2& position, const Vect2& size) {
  if (!texture) return;
  const float x2 = position.x + static_cast<float>(textureSize.width) * (size.x / baseSize.x);
  const float y2 = position.y + static_cast<float>(textureSize.height) * (size.y / baseSize.y);
  GS->DrawSprite(texture, 0xFFFFFFFFu, position.x, position.y, x2, y2);
}

Vect2 QuilloraThanksImage::QuerySize() const { return baseSize; }

void QuilloraThanksImage::ActivateInScene() {
  if (!RuntimeHost) return;
  const BindResult binding = BindOrCreate(element);
  // A record without a window is window 0 to the companion. Only a table
  // that could not grow leaves the source unnamed: then nothing is sent and
  // the next activation tries again.
  if (binding.Bound()) {
    if (binding.created) BuildAndSendSettings(element, binding.window);
    SendCommand(WindowCommand(kStartCommand, binding.window));
  }
  MeasureBaseSize(element);
}

void QuilloraThanksImage::DeactivateInScene() {
  if (!RuntimeHost) return;
  win::HWND window = nullptr;
  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    if (const SourceBinding* binding = FindBindingByInnerId(InnerId(element))) window = binding->window;
  }
  if (window) SendCommand(WindowCommand(kStopCommand, window));
}
