#include <gtest/gtest.h>

#include "standins/companion/settings_line.h"

namespace companion {
namespace {

// The line the plug-in sends for an element with no keys, window 4242.
const std::u16string kDefaultLine =
    u"4242{|}宋体{|}-28672{|}56{|}100{|}-16777216{|}0{|}0{|}0{|}0{|}0{|}0{|}0{|}100{|}-8355712{|}2{|}"
    u"{|}感谢$sender$赠送的$num$个$gift$ $combo${|}o(∩_∩)o 送礼物上电视啦o(∩_∩)o {|}10{|}10{|}1{|}0{|}0{|}{|}1{|}5";

TEST(SettingsLine, TheDefaultLineGivesTheStartingValues) {
  const SettingsLine parsed = ParseSettingsLine(kDefaultLine);
  ASSERT_TRUE(parsed.settings) << std::string(parsed.error.begin(), parsed.error.end());
  EXPECT_EQ(*parsed.window, 4242);
  const RoomSettings& s = *parsed.settings;
  const RoomSettings starting;
  for (const LineSetting& field : kLineSettings) {
    std::u16string got, want;
    ASSERT_TRUE(SettingText(s, field.key, &got));
    ASSERT_TRUE(SettingText(starting, field.key, &want));
    EXPECT_EQ(got, want) << field.key;
  }
  EXPECT_EQ(s.color, static_cast<int32_t>(0xFFFF9000u));
  EXPECT_EQ(s.room_name, u"");
  EXPECT_EQ(s.no_thanks_string.size(), 23u);
}

TEST(SettingsLine, ValuesLandInTableOrder) {
  std::u16string line = u"-7";
  for (int i = 1; i <= 26; ++i) {
    const bool text = SettingFields()[i - 1].text != nullptr;
    line += u"{|}";
    line += text ? std::u16string(u"t") + char16_t(u'a' + i) : std::u16string(1, char16_t(u'0' + i % 10));
  }
  const SettingsLine parsed = ParseSettingsLine(line);
  ASSERT_TRUE(parsed.settings);
  EXPECT_EQ(*parsed.window, -7);
  EXPECT_EQ(parsed.settings->font, u"tb");
  EXPECT_EQ(parsed.settings->color, 2);
  EXPECT_EQ(parsed.settings->outlineSize, 5);
  EXPECT_EQ(parsed.settings->room_name, u"tq");
  EXPECT_EQ(parsed.settings->thanks_string, u"tr");
  EXPECT_EQ(parsed.settings->save_folder, u"ty");
  EXPECT_EQ(parsed.settings->delay_show_second, 6);
}

TEST(SettingsLine, MalformedLinesAreRejectedWholeButKeepTheirWindow) {
  // A text value holding the separator makes 28 values.
  std::u16string extra = kDefaultLine;
  extra.replace(extra.find(u"宋体"), 2, u"a{|}b");
  SettingsLine parsed = ParseSettingsLine(extra);
  EXPECT_FALSE(parsed.settings);
  EXPECT_EQ(parsed.window, 4242);
  EXPECT_NE(parsed.error.find(u"28"), std::u16string::npos);

  std::u16string not_number = kDefaultLine;
  not_number.replace(not_number.find(u"{|}56{|}"), 8, u"{|}5x{|}");
  parsed = ParseSettingsLine(not_number);
  EXPECT_FALSE(parsed.settings);
  EXPECT_NE(parsed.error.find(u"fontSize"), std::u16string::npos);

  std::u16string out_of_range = kDefaultLine;
  out_of_range.replace(out_of_range.find(u"{|}56{|}"), 8, u"{|}2147483648{|}");
  EXPECT_FALSE(ParseSettingsLine(out_of_range).settings);

  parsed = ParseSettingsLine(u"abc{|}x");
  EXPECT_FALSE(parsed.window);
  EXPECT_FALSE(ParseSettingsLine(u"").window);
}

}  // namespace
}  // namespace companion
