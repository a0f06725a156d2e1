#include "preview/frame_loop.h"

#include "platform/win32.h"
#include "preview/host_echo.h"
#include "preview/progress_bar.h"

namespace {

void PumpMessages() {
  win::MSG msg;
  while (win::PeekMessageW(&msg, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessageW(&msg);
}

void Compose(Image& canvas, const std::vector<standin::SpriteRecord>& sprites) {
  canvas.Fill(kSceneBackground);
  for (const standin::SpriteRecord& sprite : sprites) {
    const auto* texture = dynamic_cast<const standin::MemoryTexture*>(sprite.texture);
    if (!texture) continue;
    DrawSprite(canvas, BgraView{texture->Pixels().data(), int(texture->Width()), int(texture->Height())},
               sprite.color, sprite.x1, sprite.y1, sprite.x2, sprite.y2);
  }
}

}  // namespace

int64_t FrameTimeMs(int index) { return int64_t{index} * 1000 / 60; }

Image PlayFrames(std::vector<SceneSource>& sources, const CompanionClient& companion, int frames, int width,
                 int height, ContactSheet& sheet) {
  Image canvas(width, height, kSceneBackground);
  ProgressBar progress(frames);
  HostEcho echo;
  for (int frame = 0; frame < frames; ++frame) {
    if (frame > 0) companion.AdvanceClock(uint32_t(FrameTimeMs(frame) - FrameTimeMs(frame - 1)));
    // Every line due by this frame's time reaches its window before the refresh.
    companion.WaitIdle();
    PumpMessages();
    for (SceneSource& source : sources) source.image->PrepareFrame();
    for (SceneSource& source : sources) source.image->DrawAt(source.Position(), source.Size());
    const std::vector<standin::SpriteRecord> sprites = standin::HostGraphics().TakeSprites();
    const bool sampled = sheet.Samples(frame);
    if (sampled || frame == frames - 1) Compose(canvas, sprites);
    if (sampled) sheet.Add(canvas);
    echo.PrintNew(progress);
    progress.Update(frame + 1, double(FrameTimeMs(frame)) / 1000);
  }
  return canvas;
}
