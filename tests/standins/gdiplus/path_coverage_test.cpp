// Paths as coverage: figure groups keep holes with their outlines, the tile
// cache gives back what rasterising gives, and glyph counters stay open.

#include "standins/gdiplus/path_coverage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "module/platform/gdiplus.h"
#include "module/platform/gdiplus_lock.h"
#include "standins/gdiplus/coverage_cache.h"

namespace {

using gdiplus::Ok;

constexpr uint8_t kStart = gdiplus::kPathTypeStart, kLine = gdiplus::kPathTypeLine;
constexpr uint8_t kClosingLine = gdiplus::kPathTypeLine | gdiplus::kPathCloseFigure;

void AddSquare(gdiplus::PathFigures* figures, float left, float top, float side) {
  figures->points.insert(figures->points.end(),
                         {{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}});
  figures->types.insert(figures->types.end(), {kStart, kLine, kLine, kClosingLine});
}

// Pixel memory of width x height, transparent.
struct Pixels {
  Pixels(int width, int height)
      : memory(static_cast<std::size_t>(width) * height), bitmap{reinterpret_cast<uint8_t*>(memory.data()), width,
                                                                  height, width * 4} {}
  uint32_t At(int x, int y) const { return memory[static_cast<std::size_t>(y) * bitmap.width + x]; }
  std::vector<uint32_t> memory;
  gdiplus::Bitmap bitmap;
};

gdiplus::CoverageMask WholeMask(const Pixels& pixels) {
  const GpPointF corners[] = {{0, 0}, {static_cast<float>(pixels.bitmap.width), static_cast<float>(pixels.bitmap.height)}};
  return gdiplus::CoverageMask(pixels.bitmap, corners, 2, 0);
}

TEST(FigureGroupsTest, AHoleAfterADisjointFigureStaysAHole) {
  platform::GdiplusGuard lock;
  gdiplus::PathFigures figures;
  AddSquare(&figures, 2, 2, 20);    // outline
  AddSquare(&figures, 30, 2, 10);   // apart from it
  AddSquare(&figures, 7, 7, 10);    // the outline's hole
  // A lone start point, as some glyphs' paths hold: nothing to draw.
  figures.points.push_back({44, 20});
  figures.types.push_back(kStart);
  Pixels filled(48, 26), stroked(48, 26);
  gdiplus::CoverageMask fill = WholeMask(filled), stroke = WholeMask(stroked);
  ASSERT_EQ(gdiplus::FillFigures(figures, true, &fill), Ok);
  ASSERT_EQ(gdiplus::StrokeFigures(figures, 2, gdiplus::LineJoinRound, &stroke), Ok);
  fill.Paint(filled.bitmap, 0xFFFFFFFFu, true);
  stroke.Paint(stroked.bitmap, 0xFFFFFFFFu, true);
  EXPECT_EQ(filled.At(12, 12), 0u) << "the hole";
  EXPECT_EQ(filled.At(4, 4), 0xFFFFFFFFu);
  EXPECT_EQ(filled.At(35, 7), 0xFFFFFFFFu);
  EXPECT_EQ(stroked.At(12, 12), 0u) << "the hole's stroke is its edge only";
  EXPECT_EQ(stroked.At(7, 12), 0xFFFFFFFFu);
  EXPECT_EQ(stroked.At(44, 20), 0u);
}

// A 48 px font with Latin letters and ideographs.
gdiplus::Font* MakeFont(win::HDC dc) {
  win::LOGFONTW description{};
  description.lfHeight = 48;
  std::memcpy(description.lfFaceName, u"WenQuanYi Zen Hei", sizeof u"WenQuanYi Zen Hei");
  gdiplus::Font* font = nullptr;
  return gdiplus::CreateFontFromLogfontW(dc, &description, &font) == Ok ? font : nullptr;
}

// The figures of `text` in a path, from `left`.
gdiplus::PathFigures TextFigures(const char16_t* text, float left) {
  win::HDC dc = win::CreateCompatibleDC(nullptr);
  gdiplus::Font* font = MakeFont(dc);
  gdiplus::FontFamily* family = nullptr;
  gdiplus::Path* path = nullptr;
  float em_size = 0;
  gdiplus::PathFigures figures;
  const gdiplus::RectF layout{left, 0, 400, 60};
  if (font && gdiplus::GetFamily(font, &family) == Ok &&
      gdiplus::GetFontSize(font, &em_size) == Ok && gdiplus::CreatePath(gdiplus::FillModeAlternate, &path) == Ok &&
      gdiplus::AddPathString(path, text, -1, family, 0, em_size, &layout, nullptr) == Ok)
    gdiplus::ReadPath(reinterpret_cast<GpPath*>(path), &figures);
  gdiplus::DeletePath(path);
  gdiplus::DeleteFontFamily(family);
  gdiplus::DeleteFont(font);
  win::DeleteDC(dc);
  return figures;
}

// Outlined as the plug-in draws it: the pen, then the fill over it.
void DrawOutlined(const gdiplus::PathFigures& figures, Pixels* pixels) {
  gdiplus::CoverageMask stroke = WholeMask(*pixels), fill = WholeMask(*pixels);
  ASSERT_EQ(gdiplus::StrokeFigures(figures, 4, gdiplus::LineJoinRound, &stroke), Ok);
  ASSERT_EQ(gdiplus::FillFigures(figures, true, &fill), Ok);
  stroke.Paint(pixels->bitmap, 0xFF000000u, true);
  fill.Paint(pixels->bitmap, 0xFFFF8000u, true);
}

TEST(CoverageCacheTest, ALineDrawnAgainIsTheSameToThePixel) {
  platform::GdiplusGuard lock;
  // A sub-pixel offset of this run's own, so the first drawing is cold.
  static int run = 0;
  const gdiplus::PathFigures figures = TextFigures(u"回口oe8感谢", 3.25f + ++run / 128.0f);
  ASSERT_FALSE(figures.points.empty());
  Pixels cold(420, 64), warm(420, 64);
  const std::size_t tiles = gdiplus::PathTileCache().Count();
  DrawOutlined(figures, &cold);
  const std::size_t kept = gdiplus::PathTileCache().Count();
  EXPECT_GT(kept, tiles) << "drawn cold";
  DrawOutlined(figures, &warm);
  EXPECT_EQ(gdiplus::PathTileCache().Count(), kept) << "drawn from the cache";
  EXPECT_EQ(cold.memory, warm.memory);
}

TEST(CoverageCacheTest, EvictsTheLeastRecentlyUsedBeyondItsCapacity) {
  const auto tile = std::make_shared<const gdiplus::CoverageMask>(32, 32);
  gdiplus::CoverageCache probe(1 << 20);
  probe.Keep("a", tile);
  gdiplus::CoverageCache cache(probe.Bytes() * 2);
  cache.Keep("a", tile);
  cache.Keep("b", tile);
  ASSERT_EQ(cache.Find("a"), tile);
  cache.Keep("c", tile);
  EXPECT_EQ(cache.Find("b"), nullptr) << "the least recently used went";
  EXPECT_EQ(cache.Find("a"), tile);
  EXPECT_EQ(cache.Find("c"), tile);
  EXPECT_LE(cache.Bytes(), probe.Bytes() * 2);
  cache.Keep("large", std::make_shared<const gdiplus::CoverageMask>(64, 64));
  EXPECT_EQ(cache.Find("large"), nullptr) << "larger than the whole cache";
  EXPECT_EQ(cache.Count(), 2u);
}

// Regions of background (alpha below half) that do not reach the border: a
// glyph's counters.
int EnclosedRegions(const Pixels& pixels) {
  const int width = pixels.bitmap.width, height = pixels.bitmap.height;
  std::vector<int> seen(pixels.memory.size(), 0);
  int enclosed = 0;
  for (int start = 0; start < width * height; ++start) {
    if (seen[start] || pixels.memory[start] >> 24 >= 128) continue;
    bool reaches_border = false;
    std::vector<int> pending{start};
    seen[start] = 1;
    while (!pending.empty()) {
      const int at = pending.back();
      pending.pop_back();
      const int x = at % width, y = at / width;
      reaches_border |= x == 0 || y == 0 || x == width - 1 || y == height - 1;
      for (const int next : {at - 1, at + 1, at - width, at + width}) {
        if (next < 0 || next >= width * height || (next % width != x && next / width != y)) continue;
        if (seen[next] || pixels.memory[next] >> 24 >= 128) continue;
        seen[next] = 1;
        pending.push_back(next);
      }
    }
    enclosed += reaches_border ? 0 : 1;
  }
  return enclosed;
}

TEST(GlyphCountersTest, ShowTheBackgroundPlainAndOutlined) {
  platform::GdiplusGuard lock;
  const struct {
    const char16_t* glyph;
    int counters;
  } glyphs[] = {{u"口", 1}, {u"回", 2}, {u"o", 1}, {u"e", 1}, {u"8", 2}};
  for (const auto& [glyph, counters] : glyphs) {
    Pixels outlined(72, 72);
    DrawOutlined(TextFigures(glyph, 8), &outlined);
    // A pen may also close a gap, as the mouth of the e.
    EXPECT_GE(EnclosedRegions(outlined), counters) << "outlined " << static_cast<int>(glyph[0]);

    Pixels plain(72, 72);
    gdiplus::Bitmap* bitmap = nullptr;
    gdiplus::Graphics* graphics = nullptr;
    ASSERT_EQ(gdiplus::CreateBitmapFromScan0(72, 72, 72 * 4, gdiplus::PixelFormat32bppARGB, plain.memory.data(),
                                             &bitmap),
              Ok);
    ASSERT_EQ(gdiplus::GetImageGraphicsContext(bitmap, &graphics), Ok);
    gdiplus::SetTextRenderingHint(graphics, gdiplus::TextRenderingHintAntiAlias);
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    gdiplus::Font* font = MakeFont(dc);
    gdiplus::SolidBrush* brush = nullptr;
    ASSERT_NE(font, nullptr);
    ASSERT_EQ(gdiplus::CreateSolidFill(0xFFFFFFFFu, &brush), Ok);
    const gdiplus::RectF layout{8, 0, 64, 72};
    EXPECT_EQ(gdiplus::DrawString(graphics, glyph, -1, font, &layout, nullptr, brush), Ok);
    gdiplus::DeleteBrush(brush);
    gdiplus::DeleteFont(font);
    win::DeleteDC(dc);
    gdiplus::DeleteGraphics(graphics);
    gdiplus::DisposeBitmap(bitmap);
    EXPECT_EQ(EnclosedRegions(plain), counters) << "plain " << static_cast<int>(glyph[0]);
  }
}

}  // namespace
