#include <gtest/gtest.h>

#include "bindings/binding_table.h"
#include "source/configure.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::PluginTest;
using testing_support::Utf8;

class ConfigureTest : public PluginTest {
 protected:
  standin::SettingsElement& Data(standin::SettingsElement& source) {
    return *static_cast<standin::SettingsElement*>(source.GetElement(u"data"));
  }
  std::u16string LastCommand() const { return runtime.commands.empty() ? u"" : runtime.commands.back(); }
};

TEST_F(ConfigureTest, SavedFormMeasuresAndHandsTheSizeToTheHost) {
  auto& source = NewElement();
  runtime.answer = 0;
  EXPECT_TRUE(ConfigureTextSource(&source, false));

  auto& data = Data(source);
  const std::u16string number = data.GetString(u"innerId");
  ASSERT_EQ(runtime.commands.size(), 4u);
  EXPECT_EQ(runtime.commands[0], u"setPlatform:6");
  EXPECT_EQ(runtime.commands[1], u"init:" + number);
  EXPECT_TRUE(runtime.commands[2].starts_with(u"Set:" + number + u"{|}"));
  EXPECT_EQ(runtime.commands[3], u"ShowForm:" + number);
  EXPECT_GE(data.GetFloat(u"baseSizeCX"), 32.0f);
  EXPECT_GE(data.GetFloat(u"baseSizeCY"), 48.0f);
  EXPECT_EQ(source.GetFloat(u"cx"), data.GetFloat(u"baseSizeCX"));
  EXPECT_EQ(source.GetFloat(u"cy"), data.GetFloat(u"baseSizeCY"));
  EXPECT_TRUE(standin::MessageBoxes().empty());

  // Again: the settings go out again, the window stays.
  runtime.commands.clear();
  const unsigned records = Bindings().Count();
  EXPECT_TRUE(ConfigureTextSource(&source, false));
  ASSERT_EQ(runtime.commands.size(), 2u);
  EXPECT_TRUE(runtime.commands[0].starts_with(u"Set:" + number + u"{|}"));
  EXPECT_EQ(runtime.commands[1], u"ShowForm:" + number);
  EXPECT_EQ(Bindings().Count(), records);
}

TEST_F(ConfigureTest, CancelledFormIsRefusedQuietly) {
  auto& source = NewElement();
  runtime.answer = 1;
  EXPECT_FALSE(ConfigureTextSource(&source, false));
  EXPECT_TRUE(standin::MessageBoxes().empty());
  EXPECT_FALSE(source.Has(u"cx"));
  EXPECT_TRUE(Data(source).Has(u"innerId")) << "the binding made for the form stays";
}

TEST_F(ConfigureTest, FailedFormOrFailedCallShowsTheErrorMessage) {
  for (bool call_fails : {false, true}) {
    auto& source = NewElement();
    runtime.answer = 2;
    runtime.fail_calls = call_fails;
    standin::ClearMessagesAndLog();
    EXPECT_FALSE(ConfigureTextSource(&source, false));
    const auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Utf8(boxes[0].text), "发生错误,设置失败，请检查插件文件是否损坏");
    EXPECT_FALSE(boxes[0].has_owner || boxes[0].has_caption);
    EXPECT_EQ(boxes[0].flags, 0u);
    EXPECT_FALSE(source.Has(u"cx")) << "nothing was saved";
  }
}

TEST_F(ConfigureTest, NullElementAndMissingRuntime) {
  EXPECT_FALSE(ConfigureTextSource(nullptr, false));
  const auto lines = standin::LogLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].kind, standin::LogKind::Warning);
  EXPECT_EQ(Utf8(lines[0].text), "ConfigureTextSource: NULL element");

  auto& source = NewElement();
  RuntimeHost = nullptr;
  EXPECT_FALSE(ConfigureTextSource(&source, false));
  EXPECT_TRUE(source.GetElement(u"data")) << "the data child is made first";
  EXPECT_TRUE(runtime.commands.empty());
  EXPECT_TRUE(standin::MessageBoxes().empty());
}

TEST_F(ConfigureTest, ExistingDataElementIsUsed) {
  auto& source = NewElement();
  XElement* data = source.CreateElement(u"data");
  data->SetInt(u"fontSize", 10);
  EXPECT_TRUE(ConfigureTextSource(&source, false));
  EXPECT_EQ(source.GetElement(u"data"), data);
  EXPECT_NE(LastCommand().find(u"ShowForm:"), std::u16string::npos);
  EXPECT_EQ(data->GetFloat(u"baseSizeCY"), 32.0f) << "height raised to the size, then to 32";
}

}  // namespace
