#include "preview/frame_loop.h"

#include "preview/host_echo.h"
#include "preview/progress_bar.h"
#include "preview/scene_canvas.h"

int64_t FrameTimeMs(int index) { return int64_t{index} * 1000 / 60; }

Image PlayFrames(std::vector<SceneSource>& sources, const CompanionClient& companion, int frames, int width,
                 int height, ContactSheet& sheet, RoomAnimation& animation) {
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
    const bool sampled = sheet.Samples(frame), animated = RoomAnimation::Supported() && animation.Samples(frame);
    if (sampled || animated || frame == frames - 1) ComposeScene(canvas, sprites);
    if (sampled) sheet.Add(canvas);
    if (animated) animation.Add(canvas, FrameTimeMs(frame));
    echo.PrintNew(progress);
    progress.Update(frame + 1, double(FrameTimeMs(frame)) / 1000);
  }
  return canvas;
}
