#include <gtest/gtest.h>

#include "standins/companion/combo_tracker.h"
#include "standins/companion/thanks_display.h"

namespace companion {
namespace {

GiftEvent Gift(int64_t at_ms, std::u16string sender, std::u16string gift, int64_t count = 1) {
  return GiftEvent{at_ms, std::move(sender), std::move(gift), count, 10};
}

TEST(Combos, RepeatsWithinTheWindowMergeFromTheLatestSend) {
  ComboTracker combos;
  combos.Add(Gift(0, u"a", u"rocket", 2), 5000);
  combos.Add(Gift(5000, u"a", u"rocket", 1), 5000);   // exactly at the window: merges
  combos.Add(Gift(9000, u"a", u"rocket", 3), 5000);   // within 5 s of the latest send
  combos.Add(Gift(9500, u"a", u"flower", 1), 5000);   // another gift: its own combo
  combos.Add(Gift(9600, u"b", u"rocket", 1), 5000);   // another sender: its own combo
  EXPECT_EQ(combos.NextClose(5000), 14000);
  EXPECT_TRUE(combos.TakeClosed(13999, 5000).empty());

  const std::vector<Combo> closed = combos.TakeClosed(14600, 5000);
  ASSERT_EQ(closed.size(), 3u);
  EXPECT_EQ(closed[0].gift, u"rocket");
  EXPECT_EQ(closed[0].count, 6);
  EXPECT_EQ(closed[0].sends, 3);
  EXPECT_EQ(closed[1].gift, u"flower");
  EXPECT_EQ(closed[2].sender, u"b");
  EXPECT_FALSE(combos.NextClose(5000));
}

TEST(Combos, ASendAfterTheWindowStartsAfresh) {
  ComboTracker combos;
  combos.Add(Gift(0, u"a", u"rocket"), 1000);
  combos.Add(Gift(1001, u"a", u"rocket"), 1000);
  const std::vector<Combo> first = combos.TakeClosed(1000, 1000);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].sends, 1);
  EXPECT_EQ(combos.TakeClosed(2001, 1000).at(0).sends, 1);
}

DisplayRules Rules(bool idle, int32_t max_waiting = 0) { return DisplayRules{3000, max_waiting, idle, u"idle"}; }

TEST(Display, EachLineStaysItsTimeAndIdleFillsTheGaps) {
  ThanksDisplay display;
  const DisplayRules rules = Rules(true);
  EXPECT_EQ(display.NextDue(0, rules), 0);
  EXPECT_EQ(display.Show(0, rules)->text, u"idle");
  EXPECT_FALSE(display.NextDue(1, rules));

  display.Queue(u"one", rules);
  display.Queue(u"two", rules);
  EXPECT_EQ(display.NextDue(500, rules), 500);  // idle gives way at once
  const auto one = display.Show(500, rules);
  ASSERT_TRUE(one);
  EXPECT_TRUE(one->is_thanks);
  EXPECT_EQ(one->text, u"one");
  EXPECT_EQ(display.NextDue(600, rules), 3500);
  EXPECT_FALSE(display.Show(3499, rules));
  EXPECT_EQ(display.Show(3500, rules)->text, u"two");
  EXPECT_EQ(display.Show(6500, rules)->text, u"idle");

  display.IdleLineChanged();
  EXPECT_EQ(display.NextDue(7000, rules), 7000);
}

TEST(Display, WithoutIdleTheLastLineStaysAndOldWaitingLinesArePassedOver) {
  ThanksDisplay display;
  const DisplayRules rules = Rules(false, 2);
  EXPECT_FALSE(display.NextDue(0, rules));
  for (const char16_t* line : {u"a", u"b", u"c"}) display.Queue(line, rules);
  EXPECT_EQ(display.Show(0, rules)->text, u"b");
  EXPECT_EQ(display.Show(3000, rules)->text, u"c");
  EXPECT_FALSE(display.NextDue(6000, rules));
}

}  // namespace
}  // namespace companion
