// The renderer's arithmetic: texture size, colours and the font description.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "module/scene_source/font_description.h"
#include "module/scene_source/render_colors.h"
#include "module/scene_source/texture_size.h"

namespace {

struct SizeCase {
  int32_t font_size;
  float width, height;
  int32_t texture_width, texture_height;
  float raised_height;
};

class SizeRuleTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeRuleTest, GivesEvenClampedSidesAndRaisesTheBox) {
  const SizeCase c = GetParam();
  gdiplus::RectF box{0, 0, c.width, c.height};
  const TextureExtent extent = ApplySizeRule(c.font_size, &box);
  EXPECT_EQ(extent.width, c.texture_width);
  EXPECT_EQ(extent.height, c.texture_height);
  EXPECT_EQ(box.Height, c.raised_height);
  EXPECT_EQ(box.Width, c.width);
}

INSTANTIATE_TEST_SUITE_P(Boxes, SizeRuleTest,
                         ::testing::Values(SizeCase{48, 32, 32, 32, 48, 48},          // empty text
                                           SizeCase{20, 32, 32, 32, 32, 32},          // raised to the least side
                                           SizeCase{47, 32, 32, 32, 48, 47},          // odd size made even
                                           SizeCase{48, 100.4f, 30.2f, 100, 48, 48},  // narrower than the box
                                           SizeCase{48, 101.6f, 30.2f, 102, 48, 48},
                                           SizeCase{48, 99.99995f, 30.2f, 100, 48, 48},  // the 0.0001 lifts it
                                           SizeCase{48, 100, 61.5f, 100, 62, 61.5f},
                                           SizeCase{48, 9000, 30, 8192, 48, 48}, SizeCase{9000, 40, 30, 40, 8192, 9000},
                                           SizeCase{48, 8191.5f, 48, 8192, 48, 48},  // evenness, then the clamp
                                           SizeCase{48, -7, 1e30f, 32, 8192, 1e30f}));

TEST(SizeRuleTest, HugeAndInvalidBoxesStayWithinLimits) {
  for (float side : {3e9f, -3e9f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    gdiplus::RectF box{0, 0, side, side};
    const TextureExtent extent = ApplySizeRule(48, &box);
    EXPECT_GE(extent.width, 32) << side;
    EXPECT_LE(extent.width, 8192) << side;
    EXPECT_GE(extent.height, 32) << side;
    EXPECT_LE(extent.height, 8192) << side;
  }
}

TEST(ColourRulesTest, TextAlphaFromOpacity) {
  const std::pair<uint32_t, uint32_t> table[] = {{100, 255}, {50, 127}, {1, 2}, {0, 0}};
  for (auto [opacity, alpha] : table) EXPECT_EQ(TextArgb(0xAB123456u, opacity), alpha << 24 | 0x123456u) << opacity;
  // 200 % gives 510, of which the alpha byte keeps the low 8 bits.
  EXPECT_EQ(TextArgb(0, 200), 0xFE000000u);
}

TEST(ColourRulesTest, OutlineAlphaScalesWithTextOpacityInSinglePrecision) {
  struct Row {
    uint32_t outline_opacity, text_opacity, alpha;
  };
  const Row table[] = {{100, 100, 255}, {50, 100, 127}, {50, 50, 63}, {30, 100, 73},
                       {10, 100, 22},   {100, 10, 22},  {20, 5, 0},   {0, 100, 0}};
  for (const Row& row : table) {
    EXPECT_EQ(OutlineArgb(0xFF00FF00u, row.outline_opacity, row.text_opacity), row.alpha << 24 | 0x00FF00u)
        << row.outline_opacity << " " << row.text_opacity;
  }
}

TEST(ColourRulesTest, BackgroundIsTransparentWithoutText) {
  EXPECT_EQ(BackgroundArgb(0x11223344u, 100, true), 0xFF223344u);
  EXPECT_EQ(BackgroundArgb(0x11223344u, 100, false), 0x00223344u);
  EXPECT_EQ(BackgroundArgb(0x11223344u, 0, true), 0x00223344u);
}

TEST(FontDescriptionTest, CutsTheFaceAndSetsOnlyTheTextFields) {
  const std::u16string face(40, u'字');
  const win::LOGFONTW font = DescribeTextFont(face.c_str(), 47, true, true, true);
  EXPECT_EQ(std::u16string(font.lfFaceName), face.substr(0, 31));
  EXPECT_EQ(font.lfHeight, 47);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(font.lfUnderline, 1);
  EXPECT_EQ(font.lfQuality, 4);
  EXPECT_EQ(font.lfWidth | font.lfEscapement | font.lfOrientation, 0);
  EXPECT_EQ(font.lfStrikeOut | font.lfCharSet | font.lfOutPrecision | font.lfClipPrecision | font.lfPitchAndFamily, 0);

  const win::LOGFONTW plain = DescribeTextFont(u"Arial", 20, false, false, false);
  EXPECT_EQ(plain.lfWeight, 0);
  EXPECT_EQ(plain.lfItalic | plain.lfUnderline, 0);
}

}  // namespace
