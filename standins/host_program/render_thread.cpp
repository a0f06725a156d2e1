#include "standins/host_program/render_thread.h"

#include "standins/host_program/jpeg_encoder.h"
#include "standins/host_program/scene_canvas.h"

namespace {

constexpr auto kFrameTime = std::chrono::microseconds(1000000 / 60);
constexpr int kEncodeEvery = 2;  // 30 pictures a second for the page
constexpr int kJpegQuality = 80;

}  // namespace

RenderThread::RenderThread(LiveScene& scene, FrameStore& frames, int width, int height,
                           const std::atomic<bool>& interrupted, std::function<void()> on_interrupt)
    : scene_(scene), frames_(frames), interrupted_(interrupted), on_interrupt_(std::move(on_interrupt)) {
  thread_ = std::thread(&RenderThread::Run, this, width, height);
}

RenderThread::~RenderThread() {
  stopping_ = true;
  thread_.join();
}

void RenderThread::Run(int width, int height) {
  Image canvas(width, height, kSceneBackground);
  bool told = false;
  auto next = std::chrono::steady_clock::now();
  for (uint64_t frame = 0; !stopping_; ++frame) {
    if (!told && interrupted_) {
      told = true;
      on_interrupt_();
    }
    scene_.DrawFrame();
    const std::vector<standin::SpriteRecord> sprites = standin::HostGraphics().TakeSprites();
    if (frame % kEncodeEvery == 0 && frames_.Watched()) {
      const auto rendered = std::chrono::steady_clock::now();
      ComposeScene(canvas, sprites);
      frames_.Publish(EncodeJpeg(canvas, kJpegQuality), rendered);
    }
    // A frame that took too long is not made up for: the next starts now.
    next = std::max(next + kFrameTime, std::chrono::steady_clock::now() - kFrameTime);
    std::this_thread::sleep_until(next);
  }
}
