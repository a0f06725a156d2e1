// room.webp through libwebp's animation encoder.

#include <webp/encode.h>
#include <webp/mux.h>

#include <cstring>

#include "platform/hostapi/standin_host.h"
#include "preview/room_animation.h"

struct RoomAnimation::Impl {
  WebPAnimEncoder* encoder = nullptr;
  WebPConfig config;
  int width = 0, height = 0;
  std::vector<uint8_t> last;  // the pixels of the last frame added
  bool failed = false;
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
}

RoomAnimation::~RoomAnimation() {
  if (impl_->encoder) WebPAnimEncoderDelete(impl_->encoder);
}

void RoomAnimation::Add(const Image& canvas, int64_t time_ms) {
  Impl& impl = *impl_;
  if (!impl.encoder || impl.failed || canvas.pixels == impl.last) return;
  impl.last = canvas.pixels;
  WebPPicture picture;
  if (!WebPPictureInit(&picture)) return void(impl.failed = true);
  picture.use_argb = 1;
  picture.width = canvas.width;
  picture.height = canvas.height;
  const bool added = WebPPictureImportRGBA(&picture, canvas.pixels.data(), canvas.width * 4) &&
                     WebPAnimEncoderAdd(impl.encoder, &picture, int(time_ms), &impl.config);
  WebPPictureFree(&picture);
  if (!added) impl.failed = true;
}

bool RoomAnimation::Write(const std::string& path, int64_t end_ms, std::string* error) {
  Impl& impl = *impl_;
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
