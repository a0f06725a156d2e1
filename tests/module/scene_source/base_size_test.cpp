// The base size: the hint text's bounds in the element's font.

#include <gtest/gtest.h>

#include "module/scene_source/configure.h"
#include "module/scene_source/display_text.h"
#include "standins/host_library/standin_host.h"

namespace {

struct BaseSize {
  float cx, cy;
};

BaseSize Measure(standin::SettingsElement& element) {
  MeasureBaseSize(&element);
  EXPECT_TRUE(element.Has(u"baseSizeCX") && element.Has(u"baseSizeCY"));
  return {element.GetFloat(u"baseSizeCX"), element.GetFloat(u"baseSizeCY")};
}

TEST(BaseSizeTest, DefaultsMeasureTheHintInArialAt48) {
  standin::SettingsElement element(u"data");
  const BaseSize size = Measure(element);
  EXPECT_GE(size.cy, 48.0f);
  // Twelve characters at about one em each.
  EXPECT_GT(size.cx, 12 * 30.0f);
  EXPECT_LT(size.cx, 12 * 60.0f);

  standin::SettingsElement arial(u"data");
  arial.SetString(u"font", u"Arial");
  arial.SetInt(u"fontSize", 48);
  arial.SetInt(u"underline", 1);
  const BaseSize same = Measure(arial);
  EXPECT_EQ(same.cx, size.cx) << "underline plays no part";
  EXPECT_EQ(same.cy, size.cy);
}

TEST(BaseSizeTest, SmallFontsGiveAtLeast32) {
  standin::SettingsElement element(u"data");
  element.SetInt(u"fontSize", 10);
  EXPECT_EQ(Measure(element).cy, 32.0f);
}

TEST(BaseSizeTest, MeasuresTheHintNotTheDisplayedText) {
  standin::SettingsElement element(u"data");
  const BaseSize before = Measure(element);
  const String saved = DisplayText();
  DisplayText() = u"a much longer line of thanks than the hint text";
  const BaseSize after = Measure(element);
  DisplayText() = saved;
  EXPECT_EQ(after.cx, before.cx);
}

// A positive font size is the cell height, as on Windows: a CJK line is about
// that high, not the quarter more that the size taken as em height gives.
TEST(BaseSizeTest, FontSizeIsTheCellHeight) {
  standin::SettingsElement element(u"data");
  element.SetString(u"font", u"WenQuanYi Zen Hei");
  element.SetInt(u"fontSize", 100);
  const BaseSize size = Measure(element);
  EXPECT_GE(size.cy, 100.0f);
  EXPECT_LT(size.cy, 110.0f);
}

TEST(BaseSizeTest, NullElementIsIgnored) {
  MeasureBaseSize(nullptr);
  EXPECT_TRUE(standin::MessageBoxes().empty());
}

}  // namespace
