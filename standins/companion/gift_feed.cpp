#include "standins/companion/gift_feed.h"

#include <array>

namespace companion {

namespace {

// A looped script starts again this long after its last gift, so that the
// last line has time to show.
constexpr int64_t kLoopPauseMs = 6000;

struct RandomGift {
  const char16_t* name;
  int64_t unit_value;
};
constexpr std::array<const char16_t*, 8> kSenders = {u"小明", u"阿飞", u"糖糖", u"老王",
                                                     u"小鱼儿", u"星星", u"大熊", u"月亮姐姐"};
constexpr std::array<RandomGift, 7> kGifts = {{{u"荧光棒", 1}, {u"鲜花", 2}, {u"棒棒糖", 5}, {u"点赞", 0},
                                               {u"飞机", 200}, {u"火箭", 500}, {u"跑车", 1000}}};

}  // namespace

GiftFeed::GiftFeed(std::shared_ptr<const GiftScript> script, FeedMode mode, uint32_t seed)
    : script_(std::move(script)), mode_(mode), random_(seed) {
  if (mode_ == FeedMode::kRandom)
    Draw();
  else
    Load();
}

void GiftFeed::Pop() {
  if (!next_) return;
  if (mode_ == FeedMode::kRandom) return Draw();
  ++index_;
  if (mode_ == FeedMode::kLooped && script_ && index_ == script_->events.size()) {
    offset_ms_ += script_->events.back().at_ms + kLoopPauseMs;
    index_ = 0;
  }
  Load();
}

void GiftFeed::Load() {
  next_.reset();
  if (!script_ || index_ >= script_->events.size()) return;
  next_ = script_->events[index_];
  next_->at_ms += offset_ms_;
}

void GiftFeed::Draw() {
  const auto pick = [&](int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(random_);
  };
  GiftEvent event;
  event.at_ms = (next_ ? next_->at_ms : 0) + pick(300, 2500);
  // Now and then the same sender sends the same gift again: a combo.
  if (next_ && pick(0, 3) == 0) {
    event.sender = next_->sender;
    event.gift = next_->gift;
    event.unit_value = next_->unit_value;
  } else {
    event.sender = kSenders[std::size_t(pick(0, kSenders.size() - 1))];
    const RandomGift& gift = kGifts[std::size_t(pick(0, kGifts.size() - 1))];
    event.gift = gift.name;
    event.unit_value = gift.unit_value;
  }
  event.count = pick(1, 10);
  next_ = std::move(event);
}

GiftEvent SampleGift(int64_t at_ms) { return GiftEvent{at_ms, u"测试观众", u"测试礼物", 1, 1000}; }

}  // namespace companion
