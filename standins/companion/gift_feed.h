#pragma once

// The gifts a room receives, in time order: its gift script once, the script
// over and over, or random gifts without end.

#include <cstdint>
#include <memory>
#include <optional>
#include <random>

#include "standins/companion/gift_script.h"

namespace companion {

enum class FeedMode : int32_t { kOnce = 0, kLooped = 1, kRandom = 2 };

class GiftFeed {
 public:
  GiftFeed() = default;  // no gifts
  // Random gifts are seeded by `seed`, the same on every run.
  GiftFeed(std::shared_ptr<const GiftScript> script, FeedMode mode, uint32_t seed);

  // The next gift, its time from the room's first start; nothing when the
  // feed has ended.
  const GiftEvent* Next() const { return next_ ? &*next_ : nullptr; }
  void Pop();

 private:
  void Load();
  void Draw();

  std::shared_ptr<const GiftScript> script_;
  FeedMode mode_ = FeedMode::kOnce;
  std::size_t index_ = 0;
  int64_t offset_ms_ = 0;  // the current pass's start, when looped
  std::mt19937 random_;
  std::optional<GiftEvent> next_;
};

// The gift "测试礼物" sends: valuable enough for every limit.
GiftEvent SampleGift(int64_t at_ms);

}  // namespace companion
