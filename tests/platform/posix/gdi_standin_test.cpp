// The Linux GDI stand-in over libgdiplus: handles, DIB memory, font heights
// in the Win32 sense, and drawing that reaches caller memory.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdiplus_flat.h"
#include "platform/win32.h"

namespace {

win::LOGFONTW Logfont(const char16_t* face, win::LONG height) {
  win::LOGFONTW font{};
  font.lfHeight = height;
  std::char_traits<char16_t>::copy(font.lfFaceName, face, std::char_traits<char16_t>::length(face));
  return font;
}

class GdiStandInTest : public ::testing::Test {
 protected:
  void SetUp() override { dc_ = win::CreateCompatibleDC(nullptr); }
  void TearDown() override { EXPECT_TRUE(win::DeleteDC(dc_)); }

  static REAL EmSize(GpFont* font) {
    REAL size = 0;
    EXPECT_EQ(GdipGetFontSize(font, &size), 0);
    GdipDeleteFont(font);
    return size;
  }
  static std::u16string FamilyName(GpFont* font) {
    GpFontFamily* family = nullptr;
    GdipGetFamily(font, &family);
    char16_t name[32] = {};
    GdipGetFamilyName(family, name, 0);
    GdipDeleteFontFamily(family);
    GdipDeleteFont(font);
    return name;
  }
  GpFont* FromLogfontW(const win::LOGFONTW& description) {
    GpFont* font = nullptr;
    EXPECT_EQ(GdipCreateFontFromLogfontW(dc_, &description, &font), 0);
    return font;
  }
  GpFont* ThroughGdiFont(const win::LOGFONTW& description) {
    win::HFONT gdi_font = win::CreateFontIndirectW(&description);
    win::LOGFONTA narrow{};
    EXPECT_EQ(win::GetObjectA(gdi_font, sizeof narrow, &narrow), 60);
    EXPECT_TRUE(win::DeleteObject(gdi_font));
    GpFont* font = nullptr;
    EXPECT_EQ(GdipCreateFontFromLogfontA(dc_, &narrow, &font), 0);
    return font;
  }

  win::HDC dc_ = nullptr;
};

TEST_F(GdiStandInTest, PositiveHeightIsTheCellHeightOnBothPaths) {
  // WenQuanYi Zen Hei: em 1024, ascent 986, descent 304.
  const win::LOGFONTW cell = Logfont(u"WenQuanYi Zen Hei", 129);
  EXPECT_NEAR(EmSize(FromLogfontW(cell)), 102.4f, 0.01f);
  EXPECT_NEAR(EmSize(ThroughGdiFont(cell)), 102.4f, 0.01f);
  EXPECT_EQ(EmSize(FromLogfontW(Logfont(u"WenQuanYi Zen Hei", -40))), 40.0f) << "negative is the em height";
}

TEST_F(GdiStandInTest, FaceNamesReachGdiplusAsUtf8CutAtACharacter) {
  EXPECT_EQ(FamilyName(ThroughGdiFont(Logfont(u"微软雅黑", 20))), u"WenQuanYi Zen Hei");
  EXPECT_EQ(FamilyName(FromLogfontW(Logfont(u"宋体", 20))), u"WenQuanYi Zen Hei");
  EXPECT_EQ(FamilyName(ThroughGdiFont(Logfont(u"Arial", 20))), u"Liberation Sans");

  const std::u16string long_face(31, u'字');
  const win::LOGFONTW wide = Logfont(long_face.c_str(), 20);
  win::HFONT font = win::CreateFontIndirectW(&wide);
  win::LOGFONTA narrow{};
  win::GetObjectA(font, sizeof narrow, &narrow);
  win::DeleteObject(font);
  std::string expected;
  for (int i = 0; i < 10; ++i) expected += "字";  // 3 bytes each: 10 fit in 31
  EXPECT_EQ(std::string(narrow.lfFaceName), expected);
}

TEST_F(GdiStandInTest, ReleasedAndForeignHandlesAreRefused) {
  const win::LOGFONTW description = Logfont(u"Arial", 20);
  win::HFONT font = win::CreateFontIndirectW(&description);
  EXPECT_EQ(win::GetObjectA(font, 0, nullptr), 60);
  EXPECT_TRUE(win::DeleteObject(font));
  EXPECT_FALSE(win::DeleteObject(font));
  win::LOGFONTA narrow{};
  EXPECT_EQ(win::GetObjectA(font, sizeof narrow, &narrow), 0);

  win::HDC dc = win::CreateCompatibleDC(dc_);
  ASSERT_NE(dc, nullptr);
  EXPECT_TRUE(win::DeleteDC(dc));
  EXPECT_FALSE(win::DeleteDC(dc));
  EXPECT_EQ(win::CreateCompatibleDC(dc), nullptr);
}

TEST_F(GdiStandInTest, DibSectionsAreZeroedAndOnlyUncompressed) {
  win::BITMAPINFO info{};
  info.bmiHeader = {40, 33, -7, 1, 24, 0, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  win::HBITMAP dib = win::CreateDIBSection(dc_, &info, 0, &bits, nullptr, 0);
  ASSERT_NE(bits, nullptr);
  const std::vector<char> zeros(100 * 7, 0);  // rows of 99 bytes padded to 100
  EXPECT_EQ(std::memcmp(bits, zeros.data(), zeros.size()), 0);
  EXPECT_EQ(win::GetObjectA(dib, 0, nullptr), 0) << "not a font";
  EXPECT_TRUE(win::DeleteObject(dib));

  for (auto change :
       {+[](win::BITMAPINFOHEADER& h) { h.biCompression = 3; }, +[](win::BITMAPINFOHEADER& h) { h.biWidth = 0; },
        +[](win::BITMAPINFOHEADER& h) { h.biHeight = 0; }, +[](win::BITMAPINFOHEADER& h) { h.biBitCount = 7; },
        +[](win::BITMAPINFOHEADER& h) { h.biWidth = h.biHeight = 0x10000; }}) {
    win::BITMAPINFO bad = info;
    change(bad.bmiHeader);
    EXPECT_EQ(win::CreateDIBSection(dc_, &bad, 0, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
  }
}

// What a graphics on a 32bppARGB bitmap over `memory` leaves there after
// clearing it to `color` and being deleted.
uint32_t ClearedInCallerMemory(uint32_t color) {
  uint32_t memory = 0;
  GpBitmap* bitmap = nullptr;
  GdipCreateBitmapFromScan0(1, 1, 4, PixelFormat32bppARGB, &memory, &bitmap);
  GpGraphics* graphics = nullptr;
  GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics);
  GdipGraphicsClear(graphics, color);
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
  return memory;
}

// The same through libgdiplus's own path: a bitmap with memory of its own,
// read back with LockBits.
uint32_t ClearedInGdiplusMemory(uint32_t color) {
  GpBitmap* bitmap = nullptr;
  GdipCreateBitmapFromScan0(1, 1, 0, PixelFormat32bppARGB, nullptr, &bitmap);
  GpGraphics* graphics = nullptr;
  GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics);
  GdipGraphicsClear(graphics, color);
  GdipDeleteGraphics(graphics);
  const GpRect whole{0, 0, 1, 1};
  GdipBitmapDataStorage locked{};
  GdipBitmapLockBits(bitmap, &whole, ImageLockModeRead, PixelFormat32bppARGB, &locked.data);
  uint32_t pixel;
  std::memcpy(&pixel, locked.data.Scan0, 4);
  GdipBitmapUnlockBits(bitmap, &locked.data);
  GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
  return pixel;
}

int ChannelDistance(uint32_t a, uint32_t b) {
  int largest = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    largest = std::max(largest, std::abs(d));
  }
  return largest;
}

TEST(CallerMemoryTest, DrawingReachesTheMemoryAsLibgdiplusWouldWriteIt) {
  EXPECT_EQ(ClearedInCallerMemory(0x80FF4020u), 0x80FF4020u);
  int worst = 0;
  for (uint32_t alpha = 0; alpha < 256; ++alpha) {
    for (uint32_t channel = 0; channel < 256; ++channel) {
      const uint32_t color = alpha << 24 | channel << 16 | (255 - channel) << 8 | channel / 2;
      worst = std::max(worst, ChannelDistance(ClearedInCallerMemory(color), ClearedInGdiplusMemory(color)));
    }
  }
  EXPECT_LE(worst, 1);
}

TEST(CallerMemoryTest, ContentSurvivesAGraphicsThatDrawsNothing) {
  uint32_t memory[4] = {0x80FF4020u, 0xFF123456u, 0x00000000u, 0x01FFFFFFu};
  const uint32_t kept[4] = {0x80FF4020u, 0xFF123456u, 0x00000000u, 0x01FFFFFFu};
  GpBitmap* bitmap = nullptr;
  GdipCreateBitmapFromScan0(2, 2, 8, PixelFormat32bppARGB, memory, &bitmap);
  GpGraphics* first = nullptr;
  GpGraphics* second = nullptr;
  GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &first);
  GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &second);
  GdipDeleteGraphics(first);
  EXPECT_EQ(memory[0], 0x80802010u) << "premultiplied while a graphics is open";
  GdipDeleteGraphics(second);
  EXPECT_EQ(std::memcmp(memory, kept, sizeof memory), 0);
  GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
}

// A text outline filled and stroked as the renderer does, on a bitmap of
// GDI+'s own memory, through `draw` and `fill`; the pixels as ARGB.
template <typename Draw, typename Fill>
std::vector<uint32_t> OutlinedText(Draw draw, Fill fill, int width, int height) {
  win::HDC dc = win::CreateCompatibleDC(nullptr);
  const win::LOGFONTW description = Logfont(u"WenQuanYi Zen Hei", 40);
  GpFont* font = nullptr;
  GdipCreateFontFromLogfontW(dc, &description, &font);
  GpFontFamily* family = nullptr;
  GdipGetFamily(font, &family);
  REAL size = 0;
  GdipGetFontSize(font, &size);
  GpStringFormat* format = nullptr;
  GdipStringFormatGetGenericTypographic(&format);
  GpPath* path = nullptr;
  GdipCreatePath(FillModeAlternate, &path);
  const GpRectF box{2, 2, static_cast<REAL>(width), static_cast<REAL>(height)};
  GdipAddPathString(path, u"谢谢老板 Thanks", -1, family, 0, size, &box, format);

  GpBitmap* bitmap = nullptr;
  GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap);
  GpGraphics* graphics = nullptr;
  GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics);
  GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias);
  GpPen* pen = nullptr;
  GdipCreatePen1(0xFFFF0000u, 3, UnitWorld, &pen);
  GdipSetPenLineJoin(pen, LineJoinRound);
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(0xFFFFFFFFu, &brush);
  EXPECT_EQ(draw(graphics, pen, path), 0);
  EXPECT_EQ(fill(graphics, reinterpret_cast<GpBrush*>(brush), path), 0);
  GdipDeleteGraphics(graphics);

  const GpRect whole{0, 0, width, height};
  GdipBitmapDataStorage locked{};
  GdipBitmapLockBits(bitmap, &whole, ImageLockModeRead, PixelFormat32bppARGB, &locked.data);
  std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    std::memcpy(&pixels[static_cast<std::size_t>(y) * width],
                static_cast<char*>(locked.data.Scan0) + y * locked.data.Stride, width * 4u);
  }
  GdipBitmapUnlockBits(bitmap, &locked.data);
  GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
  GdipDeletePen(pen);
  GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
  GdipDeletePath(path);
  GdipDeleteFontFamily(family);
  GdipDeleteFont(font);
  win::DeleteDC(dc);
  return pixels;
}

TEST(PathDrawingTest, MatchesLibgdiplusUpToAntialiasing) {
  void* gdiplus = dlopen("libgdiplus.so.0", RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(gdiplus, nullptr);
  const auto gdiplus_draw = reinterpret_cast<decltype(&GdipDrawPath)>(dlsym(gdiplus, "GdipDrawPath"));
  const auto gdiplus_fill = reinterpret_cast<decltype(&GdipFillPath)>(dlsym(gdiplus, "GdipFillPath"));
  ASSERT_NE(gdiplus_draw, &GdipDrawPath) << "the stand-in's definitions are in use";

  constexpr int kWidth = 400, kHeight = 64;
  const std::vector<uint32_t> ours = OutlinedText(&GdipDrawPath, &GdipFillPath, kWidth, kHeight);
  const std::vector<uint32_t> theirs = OutlinedText(gdiplus_draw, gdiplus_fill, kWidth, kHeight);
  // Alpha shows stroke and fill together, green the white fill alone.
  for (int shift : {24, 8}) {
    long ours_sum = 0, theirs_sum = 0, difference = 0;
    int inked = 0, far_off = 0;
    for (std::size_t i = 0; i < ours.size(); ++i) {
      const int a = (ours[i] >> shift) & 0xFF, b = (theirs[i] >> shift) & 0xFF;
      ours_sum += a;
      theirs_sum += b;
      difference += std::abs(a - b);
      inked += (a | b) != 0;
      far_off += std::abs(a - b) > 64;
    }
    ASSERT_GT(inked, 2000) << shift;
    EXPECT_NEAR(static_cast<double>(ours_sum) / theirs_sum, 1.0, 0.05) << shift;
    EXPECT_LT(static_cast<double>(difference) / inked, 12.0) << "mean difference per inked pixel, " << shift;
    EXPECT_LT(far_off, inked * 3 / 100) << "pixels more than a quarter off, " << shift;
  }
  dlclose(gdiplus);
}

// fontconfig, loaded under libgdiplus; reached by name, since only its
// run-time library is installed.
struct FcPattern;
struct FcFontSet {
  int nfont;
  int sfont;
  FcPattern** fonts;
};
template <typename Function>
Function* FontconfigFunction(const char* name) {
  return reinterpret_cast<Function*>(dlsym(RTLD_DEFAULT, name));
}

// Holds a pattern from fontconfig's cache across a GDI+ shutdown, as pango's
// and cairo's caches hold theirs; fontconfig's own teardown aborts then.
[[noreturn]] void ShutDownWithAFontInUse() {
  const auto get_fonts = FontconfigFunction<FcFontSet*(void*, int)>("FcConfigGetFonts");
  const auto reference = FontconfigFunction<void(FcPattern*)>("FcPatternReference");
  const auto release = FontconfigFunction<void(FcPattern*)>("FcPatternDestroy");
  if (!get_fonts || !reference || !release) std::exit(1);
  constexpr int kSystemFonts = 0;
  FcFontSet* fonts = get_fonts(nullptr, kSystemFonts);
  if (!fonts || fonts->nfont == 0) std::exit(2);
  reference(fonts->fonts[0]);
  uintptr_t token = 0;
  const GdiplusStartupInput input{1, nullptr, 0, 0};
  if (GdiplusStartup(&token, &input, nullptr) != 0) std::exit(3);
  GdiplusShutdown(token);
  release(fonts->fonts[0]);
  std::exit(0);
}

TEST(FontLibraryTest, GdiplusShutdownLeavesFontsInUseAlone) {
  // In a child process, so that this program's GDI+ keeps running.
  EXPECT_EXIT(ShutDownWithAFontInUse(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
