// The stand-in host library: the String behaviour the plug-in relies on, the
// locale's answers, textures and GS, the settings files, the allocator's
// fault, and the log formatter.

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "module/host_api/api.h"
#include "standins/host_library/standin_host.h"
#include "tests/support/temp_folder.h"

namespace {

std::string Utf8(const String& s) { return standin::ToUtf8(s.c_str()); }

TEST(HostString, TokensSplitAtTheSeparator) {
  standin::ClearMessagesAndLog();
  const String text(u"font|Arial|Bold");
  EXPECT_EQ(Utf8(text.GetToken(0, u'|')), "font");
  EXPECT_EQ(Utf8(text.GetToken(2, u'|')), "Bold");
  EXPECT_EQ(Utf8(String(text.GetTokenOffset(1, u'|'))), "Arial|Bold");
  const String plain(u"font");
  EXPECT_EQ(Utf8(plain.GetToken(0, u'|')), "font");
  EXPECT_EQ(plain.GetTokenOffset(1, u'|'), nullptr);
  EXPECT_EQ(String(u"|x").GetToken(0, u'|').Length(), 0u);
  EXPECT_TRUE(standin::LogLines().empty()) << "every token asked for is there";
}

// A token or a length that the text does not have: a warning, and nothing.
TEST(HostString, MissingTokenAndLeftPastTheEndWarnAndGiveNothing) {
  standin::ClearMessagesAndLog();
  EXPECT_EQ(String(u"font|Arial|Bold").GetToken(3, u'|').Length(), 0u);
  EXPECT_EQ(String(u"abc").Left(4).Length(), 0u);
  const auto lines = standin::LogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].kind, standin::LogKind::Warning);
  EXPECT_EQ(lines[1].kind, standin::LogKind::Warning);
  EXPECT_EQ(Utf8(String(u"abc").Left(3)), "abc");
  EXPECT_EQ(String(u"abc").Left(0).Array(), nullptr);
  EXPECT_EQ(standin::LogLines().size(), 2u) << "the whole text, or none of it, is no fault";
}

TEST(HostString, ToIntTakesOnlyASignAndDecimalDigitsAndSaturates) {
  EXPECT_EQ(String(u"-12").ToInt(10), -12);
  EXPECT_EQ(String(u"+7").ToInt(10), 7);
  for (const char16_t* not_a_number : {u"  -12abc", u" 48", u"48 ", u"abc", u"0x1F", u"1.5", u"4 8"})
    EXPECT_EQ(String(not_a_number).ToInt(10), 0) << Utf8(not_a_number);
  EXPECT_EQ(String(u"ff").ToInt(16), 0) << "letters are not digits, whatever the base";
  EXPECT_EQ(String(u"10").ToInt(16), 16);
  EXPECT_EQ(String(u"2147483647").ToInt(10), INT_MAX);
  EXPECT_EQ(String(u"4294967295").ToInt(10), INT_MAX) << "saturates, never wraps";
  EXPECT_EQ(String(u"-2147483648").ToInt(10), INT_MIN);
  EXPECT_EQ(String(u"-99999999999999999999").ToInt(10), INT_MIN);
}

TEST(HostString, KillSpacesTrimsSpacesTabsAndIdeographicSpacesOnly) {
  String spaced(u"\u3000 \t感谢 小明\t\u3000 ");
  EXPECT_EQ(Utf8(spaced.KillSpaces()), "感谢 小明");
  String lines(u" \r\n感谢\r\n ");
  EXPECT_EQ(Utf8(lines.KillSpaces()), "\r\n感谢\r\n") << "line breaks stay";
}

TEST(HostString, NumbersAndAppending) {
  EXPECT_EQ(String(u"48").ToInt(10), 48);
  EXPECT_EQ(String(u"abc").ToInt(10), 0);
  String number;
  number << -2147483647 - 1;
  EXPECT_EQ(Utf8(number), "-2147483648");
  String line(u"Set:");
  line << 7 << u"{|}" << String(u"宋体");
  EXPECT_EQ(Utf8(line), "Set:7{|}宋体");
  line << line;
  EXPECT_EQ(Utf8(line), "Set:7{|}宋体Set:7{|}宋体");
}

TEST(HostString, TrimReplaceCutAndEmptiness) {
  String spaced(u" \t感谢 小明 ");
  EXPECT_EQ(Utf8(spaced.KillSpaces()), "感谢 小明");
  String blank(u"   ");
  EXPECT_FALSE(blank.KillSpaces().IsValid());
  String message(u"找不到字体“$1”，$1");
  EXPECT_EQ(Utf8(message.FindReplace(u"$1", u"Arial")), "找不到字体“Arial”，Arial");
  EXPECT_EQ(Utf8(String(u"abc").Left(2)), "ab");
  EXPECT_FALSE(String().IsValid());
  EXPECT_FALSE(String(u"").IsValid());
  EXPECT_TRUE(String(u"") == String());
  char16_t face[32];
  EXPECT_EQ(std::u16string(scpy_n(face, u"0123456789012345678901234567890123", 31)).size(), 31u);
  scpy_n(face, u"xy", 0);
  EXPECT_EQ(face[0], u'0') << "a count of 0 writes not even the terminator";
  scpy_n(face, u"xy", 1);
  EXPECT_EQ(std::u16string(face), u"x");
}

TEST(HostLocale, UnknownKeyGivesTheHostsMarkerNotTheKey) {
  EXPECT_EQ(std::u16string(locale->LookupString(u"Sources.NoSuchText")), u"(string not found)");
  EXPECT_NE(std::u16string(locale->LookupString(u"Sources.TextSource.FontNotFound")).find(u"$1"),
            std::u16string::npos);
}

// Only a texture that is not static takes uploads; GS is there only while
// the host's output runs.
TEST(HostGraphics, StaticTexturesTakeNoUploadAndGSLivesWithTheOutput) {
  standin::ClearMessagesAndLog();
  EXPECT_EQ(GS, nullptr);
  std::optional<standin::HostOutput> output(std::in_place);
  ASSERT_NE(GS, nullptr);
  const std::vector<unsigned char> first{1, 2, 3, 4}, second{9, 8, 7, 6};
  const int made = standin::HostGraphics().MakeTextureCount();
  std::unique_ptr<Texture> fixed(GS->MakeTexture(1, 1, GS_BGRA, first.data(), false, true));
  std::unique_ptr<Texture> updated(GS->MakeTexture(1, 1, GS_BGRA, first.data(), false, false));
  EXPECT_EQ(standin::HostGraphics().MakeTextureCount(), made + 2) << "GS is the host's graphics system";
  fixed->UploadPixels(second.data(), GS_IMAGEFORMAT_BGRA, 4);
  updated->UploadPixels(second.data(), GS_IMAGEFORMAT_BGRA, 4);
  EXPECT_EQ(static_cast<standin::MemoryTexture&>(*fixed).Pixels(), first);
  EXPECT_EQ(static_cast<standin::MemoryTexture&>(*fixed).UploadCount(), 0);
  EXPECT_EQ(static_cast<standin::MemoryTexture&>(*updated).Pixels(), second);
  const auto lines = standin::LogLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].kind, standin::LogKind::Warning);
  output.reset();
  EXPECT_EQ(GS, nullptr);
}

TEST(HostString, EveryBlockReturnsToTheAllocator) {
  const std::size_t before = standin::LiveBlocks();
  {
    String a(u"one");
    String b = a + u"two";
    b.FindReplace(u"o", u"oo").KillSpaces();
    a = b;
    a = a.c_str();  // assignment from its own buffer
    EXPECT_EQ(Utf8(a), "oonetwoo");
  }
  EXPECT_EQ(standin::LiveBlocks(), before);
}

// The allocator's fault is one of the platform's scheduled faults: a newer
// fault hides the older one, which holds again once the newer one ends.
TEST(HostAllocator, NestedFaultsFailAsTheInnermostThenAsTheOuter) {
  standin::ScopedAllocationFault every_call;
  {
    standin::ScopedAllocationFault second_call(2);
    void* first = MainAllocator->AllocateBlock(8);
    EXPECT_NE(first, nullptr) << "the inner fault hides the outer one";
    EXPECT_EQ(MainAllocator->AllocateBlock(8), nullptr);
    MainAllocator->FreeBlock(first);
  }
  EXPECT_EQ(MainAllocator->AllocateBlock(8), nullptr) << "the outer fault holds again";
}

TEST(SettingsFile, RoundTripsTextNumbersAndChildren) {
  standin::SettingsElement root(u"scene");
  XElement* data = root.CreateElement(u"source")->CreateElement(u"data");
  data->SetString(u"thanks_string", u"感谢\"$sender$\"\\n{|}");
  data->SetInt(u"color", static_cast<int>(0xFFFF9000u));
  data->SetFloat(u"baseSizeCX", 301.123456f);
  data->SetString(u"innerId", u"-2147478988");
  const testing_support::TempFolder folder("hostapi_test");
  const auto path = (folder / "scene.txt").string();
  ASSERT_TRUE(standin::SaveSettings(root, path));

  std::string error;
  const auto loaded = standin::LoadSettings(path, &error);
  ASSERT_TRUE(loaded) << error;
  XElement* again = loaded->GetElement(u"source")->GetElement(u"data");
  ASSERT_TRUE(again);
  EXPECT_EQ(std::u16string(again->GetString(u"thanks_string")), u"感谢\"$sender$\"\\n{|}");
  EXPECT_EQ(again->GetInt(u"color"), static_cast<int>(0xFFFF9000u));
  EXPECT_EQ(again->GetFloat(u"baseSizeCX"), 301.123456f) << "floats survive exactly";
  EXPECT_EQ(std::u16string(again->GetString(u"innerId")), u"-2147478988");
  EXPECT_EQ(again->GetInt(u"missing", 56), 56);
}

TEST(SettingsFile, MalformedFileNamesFileAndLineAndIsLeftAsItIs) {
  const testing_support::TempFolder folder("hostapi_test");
  const auto path = (folder / "bad.txt").string();
  const struct {
    const char* text;
    const char* error;
  } kCases[] = {
      {"scene {\n  font = \"Arial\"\n  fontSize 48\n}\n", ":3: expected 'key = value', 'name {' or '}'"},
      {"scene {\n  data {\n}\n", ":3: element not closed at end of file"},
      {"}\n", ":1: '}' without an open element"},
      {"scene {\n}\nother {\n}\n", ":3: a second top-level element"},
      {"scene {\n  font = \"Arial\n}\n", ":2: bad value"},
      {"scene {\n  bad key = 1\n}\n", ":2: bad key"},
      {"# nothing\n\n", ":2: no element"},
  };
  for (const auto& bad : kCases) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bad.text;
    std::string error;
    EXPECT_EQ(standin::LoadSettings(path, &error), nullptr) << bad.text;
    EXPECT_EQ(error, path + bad.error) << bad.text;
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bad.text) << "the file was changed";
  }
  std::string error;
  EXPECT_EQ(standin::LoadSettings((folder / "missing.txt").string(), &error), nullptr);
  EXPECT_EQ(error, (folder / "missing.txt").string() + ": cannot open the file");
}

TEST(SettingsFile, SaveReplacesTheFileWholeAndLeavesNothingBeside) {
  const testing_support::TempFolder folder("hostapi_test");
  const auto path = (folder / "scene.txt").string();
  std::ofstream(path) << std::string(4096, '#') << "\n";
  standin::SettingsElement root(u"scene");
  root.SetInt(u"n", 1);
  ASSERT_TRUE(standin::SaveSettings(root, path));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "scene {\n  n = 1\n}\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(SettingsFile, FailedSaveKeepsWhatWasThereAndLeavesNothingBeside) {
  const testing_support::TempFolder folder("hostapi_test");
  // A folder that holds a file cannot be replaced by the renamed file.
  const auto path = folder / "scene.txt";
  std::filesystem::create_directory(path);
  std::ofstream(path / "kept") << "kept";
  standin::SettingsElement root(u"scene");
  EXPECT_FALSE(standin::SaveSettings(root, path.string()));
  EXPECT_TRUE(std::filesystem::exists(path / "kept"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  // Nor is a file written into a folder that does not exist.
  EXPECT_FALSE(standin::SaveSettings(root, (folder / "none" / "scene.txt").string()));
}

TEST(HostLog, FormatsItsArgumentsAndTakesPercentLiterally) {
  standin::ClearMessagesAndLog();
  AppWarning(u"TextSource::UpdateTexture: Graphics::Clear failed: %u", 4294967295u);
  Log(u"%s", u"100%d 完成");
  Log(u"%d%% %x %q", -5, 255u);
  const auto lines = standin::LogLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].kind, standin::LogKind::Warning);
  EXPECT_EQ(standin::ToUtf8(lines[0].text), "TextSource::UpdateTexture: Graphics::Clear failed: 4294967295");
  EXPECT_EQ(standin::ToUtf8(lines[1].text), "100%d 完成");
  EXPECT_EQ(standin::ToUtf8(lines[2].text), "-5% ff %q");
}

}  // namespace
