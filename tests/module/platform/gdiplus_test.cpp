// The GDI+ interface on its own: drawing into caller memory in straight
// alpha, and the fault hook that tests put on its functions.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "module/platform/gdiplus.h"
#include "module/platform/gdiplus_lock.h"
#include "module/platform/system.h"
#include "standins/fault_injection/gdiplus_faults.h"

namespace {

using gdiplus::Ok;

// Wine's GDI+ keeps 32bppARGB bitmaps premultiplied, so colour under alpha
// 0 is lost there (docs/platform-metrics.md); Windows and Linux keep it.
bool RunsOnWine() {
  void* ntdll = platform::OpenModule("ntdll.dll");
  return ntdll && platform::FindExport(ntdll, "wine_get_version");
}

// A graphics on a width x height bitmap over memory of the test's.
class CallerMemoryTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 37, kHeight = 9;

  void SetUp() override {
    ASSERT_EQ(gdiplus::CreateBitmapFromScan0(kWidth, kHeight, kWidth * 4, gdiplus::PixelFormat32bppARGB,
                                             pixels_.data(), &bitmap_),
              Ok);
    ASSERT_EQ(gdiplus::GetImageGraphicsContext(bitmap_, &graphics_), Ok);
  }
  void TearDown() override {
    if (graphics_) {
      EXPECT_EQ(gdiplus::DeleteGraphics(graphics_), Ok);
    }
    EXPECT_EQ(gdiplus::DisposeBitmap(bitmap_), Ok);
  }
  // Ends the drawing: the memory then holds all of it.
  void Finish() {
    ASSERT_EQ(gdiplus::DeleteGraphics(graphics_), Ok);
    graphics_ = nullptr;
  }
  void Fill(gdiplus::ARGB color, float x, float y, float width, float height) {
    gdiplus::SolidBrush* brush = nullptr;
    ASSERT_EQ(gdiplus::CreateSolidFill(color, &brush), Ok);
    EXPECT_EQ(gdiplus::FillRectangle(graphics_, brush, x, y, width, height), Ok);
    gdiplus::DeleteBrush(brush);
  }
  // The four bytes of pixel (x, y) in memory order.
  std::vector<uint8_t> Bytes(int x, int y) const {
    const auto* first = reinterpret_cast<const uint8_t*>(&pixels_[static_cast<std::size_t>(y) * kWidth + x]);
    return {first, first + 4};
  }
  uint32_t Pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * kWidth + x]; }

  platform::GdiplusGuard lock_;
  std::vector<uint32_t> pixels_ = std::vector<uint32_t>(kWidth * kHeight, 0xDEADBEEFu);
  gdiplus::Bitmap* bitmap_ = nullptr;
  gdiplus::Graphics* graphics_ = nullptr;
};

TEST_F(CallerMemoryTest, ClearKeepsTheColourOfATransparentBackground) {
  ASSERT_EQ(gdiplus::GraphicsClear(graphics_, 0x00123456), Ok);
  Finish();
  const std::vector<uint8_t> expected =
      RunsOnWine() ? std::vector<uint8_t>{0, 0, 0, 0} : std::vector<uint8_t>{0x56, 0x34, 0x12, 0x00};
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(Bytes(x, y), expected) << x;
}

TEST_F(CallerMemoryTest, TranslucentFillOnTransparentReadsBackExactly) {
  for (int smoothing : {0, gdiplus::SmoothingModeAntiAlias}) {
    ASSERT_EQ(gdiplus::GraphicsClear(graphics_, 0x00000000), Ok);
    ASSERT_EQ(gdiplus::SetSmoothingMode(graphics_, smoothing), Ok);
    // Anti-aliased, pixel centres are on whole coordinates: past the edges.
    Fill(0x7FFF8000, -1, -1, kWidth + 2, kHeight + 2);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        ASSERT_EQ(Bytes(x, y), (std::vector<uint8_t>{0x00, 0x80, 0xFF, 0x7F})) << smoothing << " " << x << "," << y;
  }
}

TEST_F(CallerMemoryTest, OpaqueFillsAreExactAndTranslucentOnesBlendWithinAStep) {
  ASSERT_EQ(gdiplus::GraphicsClear(graphics_, 0xFF0000FF), Ok);
  Fill(0xFF102030, 0, 0, 10, kHeight);
  Fill(0x80FF0000, 10, 0, 10, kHeight);
  Fill(0x00FFFFFF, 20, 0, 10, kHeight);
  Finish();
  EXPECT_EQ(Pixel(5, 4), 0xFF102030u);
  EXPECT_EQ(Pixel(25, 4), 0xFF0000FFu) << "a transparent brush leaves the pixel";
  // 0x80 of red over opaque blue: red 255 * 128/255, blue 255 * 127/255.
  const uint32_t blended = Pixel(15, 4);
  EXPECT_EQ(blended >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((blended >> 16) & 0xFF), 128, 1);
  EXPECT_EQ((blended >> 8) & 0xFF, 0u);
  EXPECT_NEAR(static_cast<int>(blended & 0xFF), 127, 1);
}

TEST_F(CallerMemoryTest, TextKeepsItsColourAtItsEdges) {
  ASSERT_EQ(gdiplus::GraphicsClear(graphics_, 0x00000000), Ok);
  ASSERT_EQ(gdiplus::SetTextRenderingHint(graphics_, gdiplus::TextRenderingHintAntiAlias), Ok);
  win::LOGFONTW description{};
  description.lfHeight = 9;
  std::memcpy(description.lfFaceName, u"Arial", sizeof u"Arial");
  win::HDC dc = win::CreateCompatibleDC(nullptr);
  gdiplus::Font* font = nullptr;
  ASSERT_EQ(gdiplus::CreateFontFromLogfontW(dc, &description, &font), Ok);
  gdiplus::SolidBrush* brush = nullptr;
  ASSERT_EQ(gdiplus::CreateSolidFill(0xC0FF8000, &brush), Ok);
  const gdiplus::RectF layout{0, 0, kWidth, kHeight};
  EXPECT_EQ(gdiplus::DrawString(graphics_, u"WMW", -1, font, &layout, nullptr, brush), Ok);
  Finish();
  gdiplus::DeleteBrush(brush);
  gdiplus::DeleteFont(font);
  win::DeleteDC(dc);
  int inked = 0;
  for (uint32_t pixel : pixels_) {
    if (pixel >> 24 == 0) continue;
    ++inked;
    EXPECT_EQ(pixel & 0x00FFFFFF, 0x00FF8000u) << std::hex << pixel;
    EXPECT_LE(pixel >> 24, 0xC0u);
  }
  EXPECT_GT(inked, 20);
}

TEST(InjectedFaultTest, FailsTheChosenCallOrEveryCallUntilDestroyed) {
  platform::GdiplusGuard lock;
  gdiplus::SolidBrush* brush = nullptr;
  {
    const gdiplus::InjectedFault fault(gdiplus::Operation::CreateSolidFill, gdiplus::OutOfMemory, 2);
    EXPECT_EQ(gdiplus::CreateSolidFill(1, &brush), Ok);
    gdiplus::DeleteBrush(brush);
    brush = reinterpret_cast<gdiplus::SolidBrush*>(&lock);
    EXPECT_EQ(gdiplus::CreateSolidFill(2, &brush), gdiplus::OutOfMemory);
    EXPECT_EQ(brush, nullptr) << "a failed call leaves null";
    EXPECT_EQ(gdiplus::CreateSolidFill(3, &brush), Ok);
    gdiplus::DeleteBrush(brush);
    EXPECT_EQ(fault.Calls(), 3);
    EXPECT_EQ(fault.Failures(), 1);
  }
  {
    const gdiplus::InjectedFault every(gdiplus::Operation::CreateSolidFill, -5);
    {
      const gdiplus::InjectedFault newer(gdiplus::Operation::CreateSolidFill, gdiplus::GenericError);
      EXPECT_EQ(gdiplus::CreateSolidFill(1, &brush), gdiplus::GenericError) << "the newer fault hides the older";
    }
    EXPECT_EQ(gdiplus::CreateSolidFill(1, &brush), -5);
    EXPECT_EQ(gdiplus::CreateSolidFill(1, &brush), -5);
    EXPECT_EQ(every.Failures(), 2);
    gdiplus::Path* path = nullptr;
    ASSERT_EQ(gdiplus::CreatePath(gdiplus::FillModeAlternate, &path), Ok) << "other functions run";
    gdiplus::DeletePath(path);
  }
  EXPECT_EQ(gdiplus::CreateSolidFill(1, &brush), Ok) << "restored";
  gdiplus::DeleteBrush(brush);
}

}  // namespace
