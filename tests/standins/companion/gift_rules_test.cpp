#include <gtest/gtest.h>

#include <set>

#include "standins/companion/gift_rules.h"

namespace companion {
namespace {

TEST(GiftRules, LimitModesThankFromTheirLeastValue) {
  struct Case {
    int32_t mode;
    int64_t thanked_from;
  };
  for (const Case c : {Case{-3, 0}, Case{0, 0}, Case{1, 1}, Case{2, 10}, Case{3, 100}, Case{4, 1000}, Case{99, 1000}}) {
    EXPECT_TRUE(IsThanked(c.mode, c.thanked_from)) << c.mode;
    if (c.thanked_from > 0) {
      EXPECT_FALSE(IsThanked(c.mode, c.thanked_from - 1)) << c.mode;
    }
  }
}

TEST(GiftRules, TheDefaultTemplateReadsNaturally) {
  const std::u16string kTemplate = u"感谢$sender$赠送的$num$个$gift$ $combo$";
  EXPECT_EQ(FillThanks(kTemplate, {u"小明", u"火箭", 2, 1}), u"感谢小明赠送的2个火箭 ");
  EXPECT_EQ(FillThanks(kTemplate, {u"糖糖", u"棒棒糖", 9, 3}), u"感谢糖糖赠送的9个棒棒糖 3连击");
}

TEST(GiftRules, FillingIsOnePassAndLeavesOtherDollarsAlone) {
  // Names that read like placeholders are not filled in again.
  EXPECT_EQ(FillThanks(u"$sender$:$gift$", {u"$gift$", u"$num$", 1, 1}), u"$gift$:$num$");
  EXPECT_EQ(FillThanks(u"$$num$ $price$ $", {u"a", u"b", 5, 1}), u"$5 $price$ $");
  EXPECT_EQ(FillThanks(u"$num$$num$", {u"a", u"b", 12, 1}), u"1212");
  EXPECT_EQ(FillThanks(u"", {u"a", u"b", 1, 1}), u"");
}

TEST(GiftRules, ColoursAreBrightStableAndVaried) {
  EXPECT_EQ(RandomLineColor(0, 1, 0), RandomLineColor(0, 2, 8));  // the palette cycles
  EXPECT_NE(RandomLineColor(0, 1, 0), RandomLineColor(0, 1, 1));
  std::set<uint32_t> seen;
  for (uint32_t i = 0; i < 50; ++i) {
    const uint32_t color = RandomLineColor(1, 77, i);
    EXPECT_EQ(color, RandomLineColor(1, 77, i));
    EXPECT_LE(color, 0xFFFFFFu);
    for (int shift : {0, 8, 16}) EXPECT_GE((color >> shift) & 0xFF, 64u);
    seen.insert(color);
  }
  EXPECT_GT(seen.size(), 45u);
}

}  // namespace
}  // namespace companion
