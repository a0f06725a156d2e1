#include "standins/host_program/frame_store.h"

namespace {

// A page that stopped asking for this long is no longer watching.
constexpr std::chrono::seconds kWatchedFor(2);

}  // namespace

bool FrameStore::Watched() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::chrono::steady_clock::now() - last_asked_ < kWatchedFor;
}

void FrameStore::Publish(std::string jpeg, std::chrono::steady_clock::time_point rendered) {
  std::lock_guard<std::mutex> lock(mutex_);
  latest_ = std::make_shared<const LiveFrame>(LiveFrame{++count_, std::move(jpeg), rendered});
  published_.notify_all();
}

std::shared_ptr<const LiveFrame> FrameStore::WaitNewer(uint64_t after, std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  last_asked_ = std::chrono::steady_clock::now();
  const bool ready = published_.wait_for(lock, timeout, [&] { return closed_ || (latest_ && latest_->number > after); });
  if (!ready || closed_) return nullptr;
  return latest_;
}

void FrameStore::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  closed_ = true;
  published_.notify_all();
}
