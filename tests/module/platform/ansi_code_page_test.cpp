// The ANSI code page where Windows applies it: the face name on the
// renderer's font path (CreateFontIndirectW, GetObjectA, then
// CreateFontFromLogfontA) and MultiByteToWideChar's replacement of bad input.
// Run once under code page 936 and once under 1252: tests/CMakeLists.txt
// sets the locale that picks it and names it in QUILLORA_ANSI_CODE_PAGE,
// on Linux and under Wine alike.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "module/platform/gdiplus.h"
#include "module/platform/win32.h"

namespace {

using gdiplus::Ok;

constexpr win::UINT kUtf8 = 65001;
constexpr char16_t kChineseFace[] = u"文泉驿正黑";

// Skips a test written for another run's code page.
#define FOR_CODE_PAGE(number)                                              \
  if (const char* run = std::getenv("QUILLORA_ANSI_CODE_PAGE"); !run || std::strcmp(run, number) != 0) \
  GTEST_SKIP() << "for the run under code page " number

std::u16string Decode(win::UINT code_page, const std::string& bytes) {
  char16_t units[16] = {};
  const int count = win::MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), units, 16);
  return std::u16string(units, static_cast<std::size_t>(count > 0 ? count : 0));
}

win::LOGFONTW Description(const std::u16string& face) {
  win::LOGFONTW font{};
  font.lfHeight = 40;
  font.lfQuality = 4;
  face.copy(font.lfFaceName, 31);
  return font;
}

class AnsiCodePageTest : public ::testing::Test {
 protected:
  void SetUp() override { dc_ = win::CreateCompatibleDC(nullptr); }
  void TearDown() override { win::DeleteDC(dc_); }

  // The renderer's font path: the face as GetObjectA writes it and the
  // width of `sample` in the GDI+ font made from that description.
  std::string FaceThroughGdiFont(const std::u16string& face, float* sample_width = nullptr) {
    const win::LOGFONTW wide = Description(face);
    const win::HFONT gdi_font = win::CreateFontIndirectW(&wide);
    win::LOGFONTA narrow{};
    EXPECT_EQ(win::GetObjectA(gdi_font, sizeof narrow, &narrow), 60);
    win::DeleteObject(gdi_font);
    gdiplus::Font* font = nullptr;
    EXPECT_EQ(gdiplus::CreateFontFromLogfontA(dc_, &narrow, &font), Ok);
    if (sample_width)
      *sample_width = SampleWidth(font);
    else
      gdiplus::DeleteFont(font);
    return std::string(narrow.lfFaceName, strnlen(narrow.lfFaceName, sizeof narrow.lfFaceName));
  }

  float WidthInFace(const std::u16string& face) {
    const win::LOGFONTW wide = Description(face);
    gdiplus::Font* font = nullptr;
    EXPECT_EQ(gdiplus::CreateFontFromLogfontW(dc_, &wide, &font), Ok);
    return SampleWidth(font);
  }

 private:
  // Latin text, whose glyphs differ between the Chinese face and the one
  // a face that is not found gives.
  float SampleWidth(gdiplus::Font* font) {
    gdiplus::Graphics* graphics = nullptr;
    EXPECT_EQ(gdiplus::CreateFromHDC(dc_, &graphics), Ok);
    const gdiplus::RectF unbounded{0, 0, 0, 0};
    gdiplus::RectF box{};
    EXPECT_EQ(gdiplus::MeasureString(graphics, u"Wgmq", 4, font, &unbounded, nullptr, &box), Ok);
    gdiplus::DeleteGraphics(graphics);
    gdiplus::DeleteFont(font);
    return box.Width;
  }

  win::HDC dc_ = nullptr;
};

TEST_F(AnsiCodePageTest, Gbk) {
  FOR_CODE_PAGE("936");
  ASSERT_EQ(Decode(win::CP_ACP, "\xC4\xE3"), u"你") << "not running under code page 936";
  float through_gdi = 0;
  EXPECT_EQ(FaceThroughGdiFont(kChineseFace, &through_gdi), "\xCE\xC4\xC8\xAA\xE6\xE4\xD5\xFD\xBA\xDA");
  EXPECT_EQ(through_gdi, WidthInFace(kChineseFace)) << "GDI+ reads the face back in the same code page";
  // 31 characters of two bytes: 16 fill the 32 bytes, and the 0 in the last
  // leaves half of the 16th.
  std::string cut;
  for (int i = 0; i < 15; ++i) cut += "\xD7\xD6";
  EXPECT_EQ(FaceThroughGdiFont(std::u16string(31, u'字')), cut + "\xD7");

  EXPECT_EQ(Decode(win::CP_ACP, "a\xC4\xE3\xBA"), u"a你?") << "a lead byte at the end";
  EXPECT_EQ(Decode(win::CP_ACP, "\xC4\x20z"), u"?z") << "a lead byte takes the byte after it";
  EXPECT_EQ(Decode(win::CP_ACP, "\x80\xFF"), u"€\uF8F5");
}

TEST_F(AnsiCodePageTest, Western) {
  FOR_CODE_PAGE("1252");
  ASSERT_EQ(Decode(win::CP_ACP, "\xC4\xE3"), u"Äã") << "not running under code page 1252";
  // Every character of a Chinese face becomes '?', and GDI+ looks for a
  // face of that name.
  float through_gdi = 0;
  EXPECT_EQ(FaceThroughGdiFont(kChineseFace, &through_gdi), "?????");
  EXPECT_EQ(through_gdi, WidthInFace(u"?????"));
  EXPECT_EQ(FaceThroughGdiFont(std::u16string(31, u'字')), std::string(31, '?'));

  EXPECT_EQ(Decode(win::CP_ACP, "\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
}

TEST_F(AnsiCodePageTest, BadUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Decode(kUtf8, "h\xC3"), u"h\uFFFD");
  EXPECT_EQ(Decode(kUtf8, "\xFFz"), u"\uFFFDz");
  EXPECT_EQ(Decode(kUtf8, "\xC0\xAF"), u"\uFFFD\uFFFD") << "an overlong form";
  EXPECT_EQ(Decode(kUtf8, "\xED\xA0\x80"), u"\uFFFD\uFFFD") << "a surrogate";
  EXPECT_EQ(Decode(kUtf8, "\xE4\xB8z"), u"\uFFFDz") << "a character cut short";
}

}  // namespace
