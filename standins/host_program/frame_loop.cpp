#include "standins/host_program/frame_loop.h"

#include "standins/host_program/host_echo.h"
#include "standins/host_program/progress_bar.h"
#include "standins/host_program/scene_canvas.h"

int64_t FrameTimeMs(int index) { return int64_t{index} * 1000 / 60; }

Image PlayFrames(std::vector<SceneSource>& sources, const CompanionClient& companion, int frames, int width,
                 int height, ContactSheet& sheet, RoomAnimation& animation) {
  Image canvas(width, height, kSceneBackground);
  ProgressBar progress(frames);
  HostEcho echo;
  SceneComposer composer;
  // Compositions so far, and how many there were at the last picture added
  // to the animation: an unchanged canvas adds nothing.
  int compositions = 0, animated_at = -1;
  for (int frame = 0; frame < frames; ++frame) {
    if (frame > 0) companion.AdvanceClock(uint32_t(FrameTimeMs(frame) - FrameTimeMs(frame - 1)));
    // Every line due by this frame's time reaches its window before the refresh.
    companion.WaitIdle();
    PumpMessages();
    for (SceneSource& source : sources) source.image->Preprocess();
    for (SceneSource& source : sources) source.image->Render(source.Position(), source.Size());
    const std::vector<standin::SpriteRecord> sprites = standin::HostGraphics().TakeSprites();
    const bool sampled = sheet.Samples(frame), animated = RoomAnimation::Supported() && animation.Samples(frame);
    if (sampled || animated || frame == frames - 1) compositions += composer.Compose(canvas, sprites);
    if (sampled) sheet.Add(canvas);
    if (animated && animated_at != compositions) {
      animation.Add(canvas, FrameTimeMs(frame));
      animated_at = compositions;
    }
    echo.PrintNew(progress);
    progress.Update(frame + 1, double(FrameTimeMs(frame)) / 1000);
  }
  return canvas;
}
