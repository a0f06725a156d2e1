#include "standins/host_program/scene_canvas.h"

#include "module/platform/win32.h"

void ComposeScene(Image& canvas, const std::vector<standin::SpriteRecord>& sprites) {
  canvas.Fill(kSceneBackground);
  for (const standin::SpriteRecord& sprite : sprites) {
    const auto* texture = static_cast<const standin::MemoryTexture*>(sprite.texture);
    if (!texture) continue;
    DrawSprite(canvas, BgraView{texture->Pixels().data(), int(texture->Width()), int(texture->Height())},
               sprite.color, sprite.x1, sprite.y1, sprite.x2, sprite.y2);
  }
}

bool SceneComposer::Compose(Image& canvas, const std::vector<standin::SpriteRecord>& sprites) {
  std::vector<Drawn> drawn;
  for (const standin::SpriteRecord& sprite : sprites) {
    const auto* texture = static_cast<const standin::MemoryTexture*>(sprite.texture);
    if (!texture) continue;
    drawn.push_back({sprite.color, sprite.x1, sprite.y1, sprite.x2, sprite.y2, texture->Width(), texture->Height(),
                     texture->Pixels()});
  }
  if (composed_ && drawn == last_) return false;
  ComposeScene(canvas, sprites);
  last_ = std::move(drawn);
  composed_ = true;
  return true;
}

void PumpMessages() {
  win::MSG msg;
  while (win::PeekMessageW(&msg, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessageW(&msg);
}
