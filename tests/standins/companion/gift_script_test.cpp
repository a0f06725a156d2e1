#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "standins/companion/gift_script.h"
#include "tests/support/temp_folder.h"

namespace companion {
namespace {

TEST(GiftScript, TimesTakeSecondsMinutesAndHours) {
  EXPECT_EQ(ParseScriptTime(u"7"), 7000);
  EXPECT_EQ(ParseScriptTime(u"7.25"), 7250);
  EXPECT_EQ(ParseScriptTime(u"00:01.5"), 1500);
  EXPECT_EQ(ParseScriptTime(u"01:07.005"), 67005);
  EXPECT_EQ(ParseScriptTime(u"1:02:03"), 3723000);
  EXPECT_EQ(ParseScriptTime(u"90"), 90000);  // the leftmost part may pass 59
  for (const char16_t* bad : {u"", u"1:60", u"1:2:3:4", u"1.2345", u"-1", u"a", u"1:", u":5", u"1.", u"+3"})
    EXPECT_FALSE(ParseScriptTime(bad)) << std::u16string(bad).size();
}

TEST(GiftScript, ReadsEventsCommentsAndOddSpacing) {
  const GiftScript script = ParseGiftScript(
      "\xEF\xBB\xBF# 演示\n"
      "00:02   小明\t火箭  2   500\r\n"
      "\n"
      "   # indented comment\n"
      "1.5 阿飞\xE3\x80\x80鲜花 10 2   # trailing comment\n"
      "00:02 糖糖 棒棒糖 1 0\n",
      u"demo.txt");
  ASSERT_TRUE(script.errors.empty()) << script.errors.size();
  ASSERT_EQ(script.events.size(), 3u);
  // By time; the same time in file order.
  EXPECT_EQ(script.events[0].sender, u"阿飞");
  EXPECT_EQ(script.events[0].gift, u"鲜花");
  EXPECT_EQ(script.events[0].at_ms, 1500);
  EXPECT_EQ(script.events[1].sender, u"小明");
  EXPECT_EQ(script.events[1].count, 2);
  EXPECT_EQ(script.events[1].unit_value, 500);
  EXPECT_EQ(script.events[2].sender, u"糖糖");
  EXPECT_EQ(script.events[2].unit_value, 0);
}

TEST(GiftScript, EachMalformedLineIsNamedAndSkipped) {
  const GiftScript script = ParseGiftScript(
      "00:01 小明 火箭 2 500\n"
      "00:02 小明 火箭 2\n"
      "0:99 a b 1 1\n"
      "00:03 a b 0 1\n"
      "00:03 a b 1 -5\n"
      "00:04 a \xFF\xFE 1 1\n"
      "00:05 老王 跑车 1 1000\n",
      u"room.txt");
  ASSERT_EQ(script.events.size(), 2u);
  EXPECT_EQ(script.events[1].sender, u"老王");
  ASSERT_EQ(script.errors.size(), 5u);
  EXPECT_EQ(script.errors[0], u"room.txt:2: expected 5 fields (time sender gift count value), found 4");
  EXPECT_EQ(script.errors[1].substr(0, 12), u"room.txt:3: ");
  EXPECT_NE(script.errors[1].find(u"\"0:99\""), std::u16string::npos);
  EXPECT_NE(script.errors[2].find(u"count"), std::u16string::npos);
  EXPECT_NE(script.errors[3].find(u"value"), std::u16string::npos);
  EXPECT_EQ(script.errors[4], u"room.txt:6: not valid UTF-8");
}

TEST(GiftScript, LoadsFilesAndSaysWhenItCannot) {
  const testing_support::TempFolder folder("gift_script_test");
  const auto path = folder / "room.txt";
  std::ofstream(path) << "3 星星 飞机 1 200\nbroken\n";
  const GiftScript loaded = LoadGiftScript(path.string());
  EXPECT_TRUE(loaded.readable);
  EXPECT_EQ(loaded.events.size(), 1u);
  ASSERT_EQ(loaded.errors.size(), 1u);
  EXPECT_TRUE(loaded.errors[0].starts_with(path.u16string() + u":2: "));
  std::filesystem::remove(path);

  const GiftScript missing = LoadGiftScript(path.string());
  EXPECT_FALSE(missing.readable);
  ASSERT_EQ(missing.errors.size(), 1u);
  EXPECT_EQ(missing.errors[0], path.u16string() + u": cannot be read");
}

}  // namespace
}  // namespace companion
