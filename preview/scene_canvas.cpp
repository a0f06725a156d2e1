#include "preview/scene_canvas.h"

#include "platform/win32.h"

void ComposeScene(Image& canvas, const std::vector<standin::SpriteRecord>& sprites) {
  canvas.Fill(kSceneBackground);
  for (const standin::SpriteRecord& sprite : sprites) {
    const auto* texture = dynamic_cast<const standin::MemoryTexture*>(sprite.texture);
    if (!texture) continue;
    DrawSprite(canvas, BgraView{texture->Pixels().data(), int(texture->Width()), int(texture->Height())},
               sprite.color, sprite.x1, sprite.y1, sprite.x2, sprite.y2);
  }
}

void PumpMessages() {
  win::MSG msg;
  while (win::PeekMessageW(&msg, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessageW(&msg);
}
