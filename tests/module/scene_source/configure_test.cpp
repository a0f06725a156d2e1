#include <gtest/gtest.h>

#include "module/bindings/binding_table.h"
#include "module/bridge/runtime.h"
#include "module/host_api/api.h"
#include "module/scene_source/configure.h"
#include "standins/fault_injection/faults.h"
#include "standins/fault_injection/gdiplus_faults.h"
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

TEST_F(ConfigureTest, RuntimeWhoseCallsFailShowsTheErrorMessage) {
  clr::ICLRMetaHost* meta_host = nullptr;
  clr::ICLRRuntimeInfo* info = nullptr;
  clr::ICLRRuntimeHost* host = nullptr;
  ASSERT_GE(clr::CLRCreateInstance(&meta_host), 0);
  ASSERT_GE(meta_host->GetRuntime(kRuntimeVersion, &info), 0);
  ASSERT_GE(info->GetRuntimeHost(&host), 0);
  host->Start();
  RuntimeHost = host;
  auto& source = NewElement();
  {
    platform::ScopedFault fault(platform::FaultPoint::RuntimeCall);
    EXPECT_FALSE(SendCommandChecked(String(u"setPlatform:6")).delivered);
    EXPECT_FALSE(ConfigureTextSource(&source, false));
  }
  const auto boxes = standin::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(Utf8(boxes[0].text), "发生错误,设置失败，请检查插件文件是否损坏");
  EXPECT_FALSE(source.Has(u"cx")) << "nothing was saved";
  RuntimeHost = nullptr;
  host->Stop();
  host->Release();
  info->Release();
  meta_host->Release();
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

// The host's font-not-found text with "$1" replaced by `face`.
std::u16string FontNotFoundText(const std::u16string& face) {
  std::u16string text = locale->LookupString(u"Sources.TextSource.FontNotFound");
  const std::size_t at = text.find(u"$1");
  EXPECT_NE(at, std::u16string::npos);
  return text.replace(at, 2, face);
}

TEST_F(ConfigureTest, FontNotFoundNamesTheFaceAndWritesNothing) {
  const gdiplus::InjectedFault no_font(gdiplus::Operation::CreateFontFromLogfontW, 14);
  for (const char16_t* face : {u"不存在的字体", u""}) {
    standin::ClearMessagesAndLog();
    auto& data = NewElement();
    data.SetString(u"font", face);
    MeasureBaseSize(&data);
    const auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Utf8(boxes[0].text), Utf8(FontNotFoundText(face))) << "the face as read, before Arial stands in";
    EXPECT_FALSE(boxes[0].has_owner || boxes[0].has_caption);
    EXPECT_EQ(boxes[0].flags, 0u);
    EXPECT_FALSE(data.Has(u"baseSizeCX") || data.Has(u"baseSizeCY"));
  }
}

TEST_F(ConfigureTest, FontNotFoundWithoutTheHostsTextStillNamesTheFace) {
  const gdiplus::InjectedFault no_font(gdiplus::Operation::CreateFontFromLogfontW, 14);
  for (const char16_t* marker : {u"(string not found)", u"(lookup error)"}) {
    standin::ClearMessagesAndLog();
    // A host without the text answers with a marker text of its own.
    const standin::ScopedLocaleWithoutTexts bare(marker);
    auto& data = NewElement();
    data.SetString(u"font", u"不存在的字体");
    MeasureBaseSize(&data);
    const auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(u"不存在的字体"), std::u16string::npos) << Utf8(boxes[0].text);
    EXPECT_EQ(boxes[0].text.find(marker), std::u16string::npos) << Utf8(boxes[0].text);
  }
}

TEST_F(ConfigureTest, SavedFormWithoutAFontHandsOnTheBaseSizeItHad) {
  const gdiplus::InjectedFault no_font(gdiplus::Operation::CreateFontFromLogfontW, 14);
  auto& before = NewElement();
  before.CreateElement(u"data")->SetFloat(u"baseSizeCX", 123.5f);
  auto& never = NewElement();
  runtime.answer = 0;
  EXPECT_TRUE(ConfigureTextSource(&before, false));
  EXPECT_EQ(before.GetFloat(u"cx"), 123.5f);
  EXPECT_EQ(before.GetFloat(u"cy", -1.0f), 0.0f);
  EXPECT_TRUE(ConfigureTextSource(&never, false));
  EXPECT_EQ(never.GetFloat(u"cx", -1.0f), 0.0f);
  EXPECT_EQ(never.GetFloat(u"cy", -1.0f), 0.0f);
  EXPECT_EQ(standin::MessageBoxes().size(), 2u) << "one font-not-found message each";
}

}  // namespace
