// The renderer through UpdateTexture, with the real GDI+: texture sizes and
// their hand-over to the host, the background rule and what is drawn,
// checked with tolerances rather than glyph by glyph.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "module/scene_source/configure.h"
#include "tests/module/scene_source/renderer_fixture.h"

namespace {

using testing_support::Alpha;
using testing_support::Blue;
using testing_support::Green;
using testing_support::Red;
using testing_support::RendererTest;

TEST_F(RendererTest, EmptyTextGivesATransparentTextureOfTheLeastSize) {
  Source().backgroundOpacity = 100;
  const std::pair<int32_t, int32_t> sizes[] = {{48, 48}, {20, 32}, {47, 48}};
  for (auto [font_size, height] : sizes) {
    Source().fontSize = font_size;
    Render(u"");
    EXPECT_EQ(Texture().Width(), 32u) << font_size;
    EXPECT_EQ(Texture().Height(), static_cast<unsigned>(height)) << font_size;
    EXPECT_EQ(CountPixels([](uint32_t pixel) { return Alpha(pixel) != 0; }), 0) << font_size;
  }
}

TEST_F(RendererTest, TextureLargerThanTheBoxGetsTheBackgroundInsideTheBoxOnly) {
  // One small glyph: the box is far smaller than the least texture.
  Source().fontSize = 12;
  Source().textOpacity = 0;
  Source().backgroundColor = 0x000000FF;
  Source().backgroundOpacity = 100;
  Render(u"一");
  ASSERT_EQ(Texture().Width(), 32u);
  EXPECT_EQ(Pixel(1, 1), 0xFF0000FFu);
  EXPECT_EQ(Pixel(31, 31), 0u);
  EXPECT_EQ(CountPixels([](uint32_t pixel) { return pixel != 0 && pixel != 0xFF0000FFu; }), 0)
      << "the fill is not anti-aliased";
}

TEST_F(RendererTest, WhiteTextIsStraightWhiteAndOpaqueWhereSolid) {
  // A stroke thick enough to cover whole pixels on every platform.
  Source().fontSize = 96;
  Render(u"一");
  EXPECT_GT(CountPixels([](uint32_t pixel) { return pixel == 0xFFFFFFFFu; }), 10);
  // Straight alpha: edge pixels are white too, only less opaque.
  EXPECT_EQ(CountPixels([](uint32_t pixel) {
              return Alpha(pixel) > 32 && (Red(pixel) < 240 || Green(pixel) < 240 || Blue(pixel) < 240);
            }),
            0);
}

TEST_F(RendererTest, TextInkStaysInsideTheTextBox) {
  // The background marks the measured box inside the least texture.
  Source().textOpacity = 0;
  Source().backgroundOpacity = 100;
  Render(u"一");
  ASSERT_EQ(Texture().Width(), 32u);
  unsigned box_right = 0, box_bottom = 0;
  ForEachPixel([&](unsigned x, unsigned y, uint32_t pixel) {
    if (Alpha(pixel) == 0) return;
    box_right = std::max(box_right, x);
    box_bottom = std::max(box_bottom, y);
  });
  ASSERT_TRUE(box_right + 2 < Texture().Width() || box_bottom + 2 < Texture().Height()) << "box fills the texture";

  Source().textOpacity = 100;
  Source().backgroundOpacity = 0;
  Render(u"一");
  EXPECT_GT(CountPixels([](uint32_t pixel) { return Alpha(pixel) != 0; }), 0);
  int ink_outside = 0;
  ForEachPixel([&](unsigned x, unsigned y, uint32_t pixel) {
    // One pixel of anti-aliasing may reach past the box's last whole pixel.
    ink_outside += Alpha(pixel) != 0 && (x > box_right + 1 || y > box_bottom + 1);
  });
  EXPECT_EQ(ink_outside, 0);
}

TEST_F(RendererTest, OutlineColourOnlyWithOutline) {
  Source().fontSize = 48;
  Source().outlineColor = 0xFFFF0000;
  Source().outlineSize = 6;
  const auto red_ink = [](uint32_t pixel) {
    return Alpha(pixel) > 200 && Red(pixel) > 200 && Green(pixel) < 80 && Blue(pixel) < 80;
  };
  Render(u"一二三");
  EXPECT_EQ(CountPixels(red_ink), 0);
  const unsigned plain_width = Texture().Width();
  Source().outline = true;
  Render(u"一二三");
  EXPECT_GT(CountPixels(red_ink), 100);
  EXPECT_GT(CountPixels([](uint32_t pixel) { return pixel == 0xFFFFFFFFu; }), 100) << "filled over the stroke";
  EXPECT_EQ(Texture().Width(), plain_width + 6) << "widened by the outline";
}

TEST_F(RendererTest, ZeroTextOpacityHidesTextAndOutline) {
  Source().textOpacity = 0;
  Source().outline = true;
  Source().outlineOpacity = 100;
  Render(u"一二三");
  EXPECT_EQ(CountPixels([](uint32_t pixel) { return Alpha(pixel) != 0; }), 0);
}

TEST_F(RendererTest, SameSizeRefillsTheTextureAndANewSizeReplacesIt) {
  auto& graphics = standin::HostGraphics();
  const int made = graphics.MakeTextureCount();
  const int live = graphics.LiveTextures();
  Render(u"一二");
  const ::Texture* first = Source().texture;
  Render(u"三四");
  EXPECT_EQ(Source().texture, first);
  EXPECT_EQ(Texture().UploadCount(), 1);
  EXPECT_EQ(graphics.MakeTextureCount(), made + 1);

  Render(u"一二三四五");
  EXPECT_EQ(graphics.MakeTextureCount(), made + 2);
  EXPECT_EQ(graphics.LiveTextures(), live + 1) << "the old texture is destroyed";
  EXPECT_EQ(Source().textureSize.width, static_cast<int32_t>(Texture().Width()));
  EXPECT_EQ(Source().textureSize.height, static_cast<int32_t>(Texture().Height()));
}

TEST_F(RendererTest, FailedTextureIsRetriedOnlyAtAnotherSize) {
  auto& graphics = standin::HostGraphics();
  const int made = graphics.MakeTextureCount();
  graphics.FailMakeTexture(1);
  Render(u"一二");
  EXPECT_EQ(Source().texture, nullptr);
  Render(u"一二");
  EXPECT_EQ(graphics.MakeTextureCount(), made + 1);
  EXPECT_EQ(Source().texture, nullptr);
  Render(u"一二三四五");
  EXPECT_EQ(graphics.MakeTextureCount(), made + 2);
  EXPECT_NE(Source().texture, nullptr);
}

TEST_F(RendererTest, WideTextIsCutAtTheLargestTexture) {
  Source().fontSize = 48;
  Render(std::u16string(200, u'字').c_str());
  EXPECT_EQ(Texture().Width(), 8192u);
  EXPECT_GT(CountPixels([](uint32_t pixel) { return pixel == 0xFFFFFFFFu; }), 10000);
  EXPECT_TRUE(standin::LogLines().empty());
}

// libgdiplus crashes when fonts are used on two threads at once; the
// renderer and the measurement share the process-wide GDI+ lock.
TEST_F(RendererTest, RendersWhileOtherThreadsRenderAndMeasure) {
  std::atomic<bool> done{false};
  std::thread measuring([&done] {
    standin::SettingsElement element(u"data");
    for (int i = 0; !done; ++i) {
      element.SetString(u"font", i % 2 ? u"WenQuanYi Zen Hei" : u"DejaVu Serif");
      element.SetInt(u"fontSize", 20 + i % 40);
      element.SetInt(u"bold", i % 3 == 0);
      MeasureBaseSize(&element);
    }
  });
  // Renders steps [first, last) and keeps the pixels of the last.
  const auto render = [](int first, int last, std::vector<unsigned char>* pixels) {
    const char16_t* faces[] = {u"Arial", u"宋体", u"DejaVu Sans Mono", u"DejaVu Serif"};
    standin::SettingsElement element(u"data");
    std::unique_ptr<QuilloraThanksImage> source(static_cast<QuilloraThanksImage*>(CreateThanksSource(&element)));
    for (int i = first; i < last; ++i) {
      source->font = faces[i % 4];
      source->fontSize = 16 + i % 50;
      source->italic = i % 2 == 0;
      source->outline = i % 5 == 0;
      UpdateTexture(source.get());
    }
    *pixels = static_cast<const standin::MemoryTexture*>(source->texture)->Pixels();
  };
  DisplayText() = u"谢谢 thanks";
  std::vector<unsigned char> together[2], alone[2];
  std::thread other(render, 1, 301, &together[1]);
  render(0, 300, &together[0]);
  other.join();
  done = true;
  measuring.join();
  // What each thread drew last is what the same step draws with no other
  // thread about.
  render(299, 300, &alone[0]);
  render(300, 301, &alone[1]);
  EXPECT_EQ(together[0], alone[0]);
  EXPECT_EQ(together[1], alone[1]);
}

}  // namespace
