// Textures in memory and a record of drawn sprites.

#include <cstring>
#include <utility>

#include "standins/host_library/host_abi.h"
#include "standins/host_library/standin_host.h"

namespace standin {

MemoryTexture::MemoryTexture(MemoryGraphicsSystem* owner, unsigned width, unsigned height, const void* pixels,
                             bool is_static, int color_format)
    : host_slots_(HostTextureSlots()),
      owner_(owner),
      width_(width),
      height_(height),
      is_static_(is_static),
      pixels_(std::size_t{width} * height * 4),
      color_format_(color_format) {
  if (pixels) std::memcpy(pixels_.data(), pixels, pixels_.size());
}

MemoryTexture::~MemoryTexture() { owner_->OnTextureDestroyed(); }

void MemoryTexture::Upload(const void* pixels, int image_format, unsigned pitch) {
  if (is_static_) {
    AppWarning(u"Texture::SetImage: the texture is static");
    return;
  }
  ++uploads_;
  upload_format_ = image_format;
  upload_pitch_ = pitch;
  if (!pixels) return;
  const auto* src = static_cast<const unsigned char*>(pixels);
  const std::size_t row = std::size_t{width_} * 4;
  for (unsigned y = 0; y < height_; ++y) std::memcpy(pixels_.data() + y * row, src + std::size_t{y} * pitch, row);
}

void MemoryGraphicsSystem::Draw(Texture* texture, uint32_t color, float x1, float y1, float x2, float y2) {
  std::lock_guard<std::mutex> lock(mutex_);
  sprites_.push_back({texture, color, x1, y1, x2, y2});
}

Texture* MemoryGraphicsSystem::Make(unsigned width, unsigned height, int color_format, const void* pixels,
                                    bool build_mipmaps, bool is_static) {
  (void)build_mipmaps;
  std::lock_guard<std::mutex> lock(mutex_);
  ++made_;
  if (failures_ > 0) {
    --failures_;
    return nullptr;
  }
  ++live_;
  return new MemoryTexture(this, width, height, pixels, is_static, color_format);
}

std::vector<SpriteRecord> MemoryGraphicsSystem::TakeSprites() {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::exchange(sprites_, {});
}

int MemoryGraphicsSystem::MakeTextureCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return made_;
}

int MemoryGraphicsSystem::LiveTextures() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return live_;
}

void MemoryGraphicsSystem::FailMakeTexture(int count) {
  std::lock_guard<std::mutex> lock(mutex_);
  failures_ = count;
}

void MemoryGraphicsSystem::OnTextureDestroyed() {
  std::lock_guard<std::mutex> lock(mutex_);
  --live_;
}

MemoryGraphicsSystem& HostGraphics() {
  static MemoryGraphicsSystem* graphics = new MemoryGraphicsSystem;
  return *graphics;
}

namespace {
GraphicsSystem* current_graphics = nullptr;
}  // namespace

HostOutput::HostOutput() : previous_(current_graphics) {
  current_graphics = &HostGraphics();
  PublishOutput(true);
}

HostOutput::~HostOutput() {
  current_graphics = previous_;
  PublishOutput(previous_ != nullptr);
}

GraphicsSystem* HostOutput::Current() { return current_graphics; }

}  // namespace standin

namespace {
GraphicsSystem* CurrentGraphics() { return standin::HostOutput::Current(); }
}  // namespace

void Texture::UploadPixels(const void* pixels, int image_format, unsigned pitch) {
  static_cast<standin::MemoryTexture*>(this)->Upload(pixels, image_format, pitch);
}
unsigned Texture::Width() const { return static_cast<const standin::MemoryTexture*>(this)->Width(); }
unsigned Texture::Height() const { return static_cast<const standin::MemoryTexture*>(this)->Height(); }
void Texture::operator delete(Texture* texture, std::destroying_delete_t) {
  delete static_cast<standin::MemoryTexture*>(texture);
}

void GraphicsSystem::DrawSprite(Texture* texture, uint32_t color, float x1, float y1, float x2, float y2) {
  static_cast<standin::MemoryGraphicsSystem*>(this)->Draw(texture, color, x1, y1, x2, y2);
}
Texture* GraphicsSystem::MakeTexture(unsigned width, unsigned height, int color_format, const void* pixels,
                                     bool build_mipmaps, bool is_static) {
  return static_cast<standin::MemoryGraphicsSystem*>(this)->Make(width, height, color_format, pixels, build_mipmaps,
                                                                 is_static);
}

extern const HostGlobal<GraphicsSystem> GS{&CurrentGraphics};
