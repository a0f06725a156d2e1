// The Linux GDI stand-in and GDI+ over libgdiplus: handles, DIB memory,
// font heights in the Win32 sense, and a GDI+ shutdown that leaves the font
// library alone.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "module/platform/gdiplus.h"
#include "module/platform/win32.h"

extern "C" int GdipGetFamilyName(const gdiplus::FontFamily* family, char16_t name[32], uint16_t language);

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

  static float EmSize(gdiplus::Font* font) {
    float size = 0;
    EXPECT_EQ(gdiplus::GetFontSize(font, &size), gdiplus::Ok);
    gdiplus::DeleteFont(font);
    return size;
  }
  // Asked of libgdiplus itself: the interface has no use for family names.
  static std::u16string FamilyName(gdiplus::Font* font) {
    gdiplus::FontFamily* family = nullptr;
    gdiplus::GetFamily(font, &family);
    char16_t name[32] = {};
    GdipGetFamilyName(family, name, 0);
    gdiplus::DeleteFontFamily(family);
    gdiplus::DeleteFont(font);
    return name;
  }
  gdiplus::Font* FromLogfontW(const win::LOGFONTW& description) {
    gdiplus::Font* font = nullptr;
    EXPECT_EQ(gdiplus::CreateFontFromLogfontW(dc_, &description, &font), gdiplus::Ok);
    return font;
  }
  gdiplus::Font* ThroughGdiFont(const win::LOGFONTW& description) {
    win::HFONT gdi_font = win::CreateFontIndirectW(&description);
    win::LOGFONTA narrow{};
    EXPECT_EQ(win::GetObjectA(gdi_font, sizeof narrow, &narrow), 60);
    EXPECT_TRUE(win::DeleteObject(gdi_font));
    gdiplus::Font* font = nullptr;
    EXPECT_EQ(gdiplus::CreateFontFromLogfontA(dc_, &narrow, &font), gdiplus::Ok);
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

// Chinese faces through the GDI font meet the ANSI code page:
// tests/module/platform/ansi_code_page_test.cpp.
TEST_F(GdiStandInTest, FaceNamesReachGdiplusOnBothPaths) {
  EXPECT_EQ(FamilyName(FromLogfontW(Logfont(u"宋体", 20))), u"WenQuanYi Zen Hei");
  EXPECT_EQ(FamilyName(ThroughGdiFont(Logfont(u"Arial", 20))), u"Liberation Sans");
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
  if (gdiplus::Startup(&token) != gdiplus::Ok) std::exit(3);
  gdiplus::Shutdown(token);
  release(fonts->fonts[0]);
  std::exit(0);
}

TEST(FontLibraryTest, GdiplusShutdownLeavesFontsInUseAlone) {
  // In a child process, so that this program's GDI+ keeps running.
  EXPECT_EXIT(ShutDownWithAFontInUse(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
