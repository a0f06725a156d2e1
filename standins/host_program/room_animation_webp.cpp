// room.webp through libwebp's animation encoder, on a thread of its own so
// that encoding overlaps playing the room.

#include <webp/encode.h>
#include <webp/mux.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "standins/host_library/standin_host.h"
#include "standins/host_program/room_animation.h"

namespace {

struct QueuedFrame {
  std::shared_ptr<const std::vector<uint8_t>> pixels;
  int64_t time_ms;
};

// Frames waiting for the encoder; beyond this many the player waits, which
// bounds the memory held to a few canvases.
constexpr std::size_t kMostQueued = 4;

}  // namespace

struct RoomAnimation::Impl {
  WebPAnimEncoder* encoder = nullptr;
  WebPConfig config;
  int width = 0, height = 0;
  std::shared_ptr<const std::vector<uint8_t>> last;  // the pixels of the last frame added

  std::mutex mutex;
  std::condition_variable changed;
  std::deque<QueuedFrame> queue;
  bool finishing = false;
  bool failed = false;  // under mutex once the encoder thread runs
  std::thread thread;

  void Encode(const QueuedFrame& frame);
  void EncodeQueued();
  void Finish();
};

bool RoomAnimation::Supported() { return true; }

RoomAnimation::RoomAnimation(int width, int height) : impl_(std::make_unique<Impl>()) {
  impl_->width = width;
  impl_->height = height;
  WebPAnimEncoderOptions options;
  WebPConfigInit(&impl_->config);
  // Text on a flat background: lossy at good quality keeps the file small;
  // each frame is encoded as the rectangle that changed.
  impl_->config.quality = 80;
  impl_->config.method = 2;
  if (!WebPAnimEncoderOptionsInit(&options)) return;
  options.allow_mixed = 1;
  impl_->encoder = WebPAnimEncoderNew(width, height, &options);
  if (impl_->encoder) impl_->thread = std::thread([impl = impl_.get()] { impl->EncodeQueued(); });
}

RoomAnimation::~RoomAnimation() {
  impl_->Finish();
  if (impl_->encoder) WebPAnimEncoderDelete(impl_->encoder);
}

void RoomAnimation::Impl::Encode(const QueuedFrame& frame) {
  WebPPicture picture;
  bool added = WebPPictureInit(&picture);
  if (added) {
    picture.use_argb = 1;
    picture.width = width;
    picture.height = height;
    added = WebPPictureImportRGBA(&picture, frame.pixels->data(), width * 4) &&
            WebPAnimEncoderAdd(encoder, &picture, int(frame.time_ms), &config);
  }
  WebPPictureFree(&picture);
  if (!added) {
    std::lock_guard<std::mutex> lock(mutex);
    failed = true;
  }
}

void RoomAnimation::Impl::EncodeQueued() {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    changed.wait(lock, [&] { return !queue.empty() || finishing; });
    if (queue.empty()) return;
    const QueuedFrame frame = queue.front();
    lock.unlock();
    Encode(frame);
    lock.lock();
    queue.pop_front();
    changed.notify_all();
  }
}

// Encodes what is queued and ends the encoder thread.
void RoomAnimation::Impl::Finish() {
  if (!thread.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex);
    finishing = true;
  }
  changed.notify_all();
  thread.join();
}

void RoomAnimation::Add(const Image& canvas, int64_t time_ms) {
  Impl& impl = *impl_;
  if (!impl.thread.joinable() || (impl.last && canvas.pixels == *impl.last)) return;
  impl.last = std::make_shared<const std::vector<uint8_t>>(canvas.pixels);
  std::unique_lock<std::mutex> lock(impl.mutex);
  if (impl.failed) return;
  impl.changed.wait(lock, [&] { return impl.queue.size() < kMostQueued; });
  impl.queue.push_back({impl.last, time_ms});
  impl.changed.notify_all();
}

bool RoomAnimation::Write(const std::string& path, int64_t end_ms, std::string* error) {
  Impl& impl = *impl_;
  impl.Finish();
  WebPData data;
  WebPDataInit(&data);
  const bool assembled = impl.encoder && !impl.failed && WebPAnimEncoderAdd(impl.encoder, nullptr, int(end_ms), nullptr) &&
                         WebPAnimEncoderAssemble(impl.encoder, &data);
  if (!assembled) {
    *error = path + ": cannot encode the animation" +
             (impl.encoder ? std::string(": ") + WebPAnimEncoderGetError(impl.encoder) : std::string());
    WebPDataClear(&data);
    return false;
  }
  const bool written = standin::WriteFileAtomically(path, {reinterpret_cast<const char*>(data.bytes), data.size});
  WebPDataClear(&data);
  if (!written) *error = "cannot write " + path;
  return written;
}
