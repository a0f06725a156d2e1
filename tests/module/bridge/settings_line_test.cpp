#include <gtest/gtest.h>

#include "module/bridge/commands.h"
#include "module/bridge/using_ascii.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::PluginTest;
using testing_support::Utf8;

win::HWND Window(uintptr_t value) { return reinterpret_cast<win::HWND>(value); }

using SettingsLineTest = PluginTest;

TEST_F(SettingsLineTest, ElementWithoutKeysSendsTheCompanionDefaults) {
  BuildAndSendSettings(&NewElement(), Window(4242));
  ASSERT_EQ(runtime.commands.size(), 1u);
  const std::u16string expected =
      u"Set:4242{|}宋体{|}-28672{|}56{|}100{|}-16777216{|}0{|}0{|}0{|}0{|}0{|}0{|}0{|}100{|}-8355712{|}2{|}"
      u"{|}感谢$sender$赠送的$num$个$gift$ $combo${|}o(∩_∩)o 送礼物上电视啦o(∩_∩)o {|}10{|}10{|}1{|}0{|}0{|}"
      u"{|}1{|}5";
  EXPECT_EQ(Utf8(runtime.commands[0]), Utf8(expected));
  EXPECT_EQ(runtime.last_path, u".\\plugins\\QuilloraThanks\\Kelvaro.dll");
  EXPECT_EQ(runtime.last_type, u"Kelvaro.Kelvaro");
  EXPECT_EQ(runtime.last_method, u"Command");
}

TEST_F(SettingsLineTest, ValuesAreSentVerbatimInOrder) {
  auto& element = NewElement();
  element.SetString(u"font", u"微软雅黑");
  element.SetInt(u"fontSize", 72);
  element.SetString(u"room_name", u"a{|}b");  // the separator is not escaped
  element.SetInt(u"delay_show_second", -3);
  BuildAndSendSettings(&element, Window(7));
  const String line(runtime.commands.at(0).c_str());
  EXPECT_EQ(Utf8(line.GetToken(0, u'{').c_str()), "Set:7");
  const std::u16string text = runtime.commands[0];
  EXPECT_NE(text.find(u"{|}微软雅黑{|}"), std::u16string::npos);
  EXPECT_NE(text.find(u"{|}72{|}"), std::u16string::npos);
  EXPECT_NE(text.find(u"{|}a{|}b{|}感谢"), std::u16string::npos);
  EXPECT_TRUE(text.ends_with(u"{|}1{|}-3"));
}

TEST_F(SettingsLineTest, AsciiPrecedesTheLineOnlyWhenTheElementAsksForIt) {
  auto& ascii = NewElement();
  ascii.SetInt(u"usingASCII", 1);
  BuildAndSendSettings(&ascii, Window(1));
  ASSERT_EQ(runtime.commands.size(), 2u);
  EXPECT_EQ(runtime.commands[0], u"ASCII");
  EXPECT_TRUE(runtime.commands[1].starts_with(u"Set:1{|}"));
  EXPECT_EQ(UsingAscii, 1);

  runtime.commands.clear();
  auto& wide = NewElement();
  wide.SetInt(u"usingASCII", 0);
  BuildAndSendSettings(&wide, Window(1));
  ASSERT_EQ(runtime.commands.size(), 1u);
  EXPECT_TRUE(runtime.commands[0].starts_with(u"Set:"));
  EXPECT_EQ(UsingAscii, 0);
}

// Architecture-dependent: the window number is the handle's low 32 bits,
// on x86 the whole handle; on x64 the bits above must not reach it (the
// 64-bit values below are 0x8000'1234 on x86).
TEST_F(SettingsLineTest, WindowWithTopBitSetIsSentAsANegativeNumber) {
  BuildAndSendSettings(&NewElement(), Window(static_cast<uintptr_t>(0xFFFF'FFFF'8000'1234u)));
  EXPECT_TRUE(runtime.commands.at(0).starts_with(u"Set:-2147478988{|}"));
  EXPECT_EQ(WindowNumber(Window(static_cast<uintptr_t>(0x1'8000'1234u))), -2147478988);
  EXPECT_EQ(WindowNumber(Window(0x8000'1234u)), -2147478988);
}

TEST_F(SettingsLineTest, NothingIsSentWithoutElementOrRuntime) {
  BuildAndSendSettings(nullptr, Window(1));
  EXPECT_TRUE(runtime.commands.empty());

  auto& element = NewElement();
  element.SetInt(u"usingASCII", 1);
  RuntimeHost = nullptr;
  BuildAndSendSettings(&element, Window(1));
  EXPECT_TRUE(runtime.commands.empty());
  EXPECT_EQ(UsingAscii, 1);  // still read from the element
}

}  // namespace
