// MultiByteToWideChar: counts, buffer bounds, invalid input, and which code
// page CP_ACP stands for under which locale.

#include <gtest/gtest.h>
#include <locale.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "module/platform/win32.h"
#include "standins/win32/win32_values.h"

namespace {

using namespace win;
using standin::CP_GBK;
using standin::CP_UTF8;
using standin::CP_WESTERN;

// The conversion of exactly `source_bytes` bytes of `source` (-1: up to and
// including its terminator), sized first as callers do; nothing on failure.
std::optional<std::u16string> Convert(UINT code_page, const char* source, int source_bytes) {
  const int units = MultiByteToWideChar(code_page, 0, source, source_bytes, nullptr, 0);
  if (units == 0) return std::nullopt;
  std::u16string text(static_cast<std::size_t>(units), u'\0');
  if (MultiByteToWideChar(code_page, 0, source, source_bytes, text.data(), units) != units) return std::nullopt;
  return text;
}

std::optional<std::u16string> Convert(UINT code_page, std::string_view source) {
  return Convert(code_page, source.data(), static_cast<int>(source.size()));
}

TEST(MultiByteToWideChar, CountsTheTerminatorOnlyForMinusOne) {
  EXPECT_EQ(Convert(CP_UTF8, "h\xC3\xA9llo", -1), std::u16string(u"h\u00e9llo", 6));
  EXPECT_EQ(Convert(CP_UTF8, "h\xC3\xA9llo"), u"h\u00e9llo");
  EXPECT_EQ(Convert(CP_UTF8, std::string_view("a\0b", 3)), std::u16string(u"a\0b", 3));
  EXPECT_EQ(Convert(CP_UTF8, "a\0b", -1), std::u16string(u"a\0", 2));
  EXPECT_EQ(Convert(CP_UTF8, "\xF0\x9F\x98\x80"), u"\U0001F600");  // a surrogate pair

  // A count reads that many bytes and no more: the source has no terminator.
  const std::array<char, 3> unterminated{'a', 'b', 'c'};
  EXPECT_EQ(Convert(CP_UTF8, unterminated.data(), 2), u"ab");
  EXPECT_EQ(Convert(CP_UTF8, unterminated.data(), 3), u"abc");
}

TEST(MultiByteToWideChar, NeverWritesPastTheBuffer) {
  std::array<WCHAR, 8> buffer;
  buffer.fill(u'#');
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, buffer.data(), 4), 4);
  EXPECT_EQ(std::u16string_view(buffer.data(), 5), std::u16string_view(u"abc\0#", 5));

  buffer.fill(u'#');
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, buffer.data(), 3), 0);
  EXPECT_EQ(GetLastError(), standin::ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(std::u16string_view(buffer.data(), 4), u"####");
}

// Without the flag such text is replaced: tests/module/platform/ansi_code_page_test.cpp.
TEST(MultiByteToWideChar, RejectsTextThatIsNotInTheCodePageWhenAsked) {
  for (const std::string_view invalid : {std::string_view("\xFF"), std::string_view("\xC0\xAF"),  // overlong
                                         std::string_view("\xED\xA0\x80"),                        // a surrogate
                                         std::string_view("h\xC3")}) {                            // cut short
    std::array<WCHAR, 8> buffer{};
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, standin::MB_ERR_INVALID_CHARS, invalid.data(),
                                  static_cast<int>(invalid.size()), buffer.data(), 8),
              0);
    EXPECT_EQ(GetLastError(), standin::ERROR_NO_UNICODE_TRANSLATION);
  }
  // A byte count that cuts a character in two makes invalid text too.
  EXPECT_EQ(MultiByteToWideChar(CP_GBK, standin::MB_ERR_INVALID_CHARS, "\xC4\xE3\xBA", 3, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), standin::ERROR_NO_UNICODE_TRANSLATION);
  // Bytes Windows' tables define are not invalid.
  EXPECT_EQ(MultiByteToWideChar(CP_WESTERN, standin::MB_ERR_INVALID_CHARS, "\x81", 1, nullptr, 0), 1);
}

TEST(MultiByteToWideChar, ConvertsTheWindowsCodePages) {
  EXPECT_EQ(Convert(CP_GBK, "\xC4\xE3\xBA\xC3 \x80"), u"\u4f60\u597d \u20ac");
  EXPECT_EQ(Convert(CP_WESTERN, "\x80\xE9\x9F"), u"\u20ac\u00e9\u0178");
}

TEST(MultiByteToWideChar, RejectsBadArguments) {
  WCHAR buffer[4];
  struct Case {
    UINT code_page;
    DWORD flags;
    const char* source;
    int source_bytes;
    WCHAR* destination;
    int destination_units;
    DWORD error;
  };
  for (const Case& c : {
           Case{CP_UTF8, 0, "a", 0, buffer, 4, standin::ERROR_INVALID_PARAMETER},
           Case{CP_UTF8, 0, "a", -2, buffer, 4, standin::ERROR_INVALID_PARAMETER},
           Case{CP_UTF8, 0, nullptr, 1, buffer, 4, standin::ERROR_INVALID_PARAMETER},
           Case{CP_UTF8, 0, "a", 1, nullptr, 4, standin::ERROR_INVALID_PARAMETER},
           Case{CP_UTF8, 0, "a", 1, buffer, -1, standin::ERROR_INVALID_PARAMETER},
           Case{12345, 0, "a", 1, buffer, 4, standin::ERROR_INVALID_PARAMETER},
           Case{CP_UTF8, 0x1, "a", 1, buffer, 4, standin::ERROR_INVALID_FLAGS},
       }) {
    EXPECT_EQ(MultiByteToWideChar(c.code_page, c.flags, c.source, c.source_bytes, c.destination,
                                  c.destination_units),
              0);
    EXPECT_EQ(GetLastError(), c.error) << "code page " << c.code_page << ", " << c.source_bytes << " bytes";
  }
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, standin::MB_ERR_INVALID_CHARS, "a", 1, buffer, 4), 1);
}

// CP_ACP is chosen once per process, so each case runs in a fresh child
// process (re-executed, not forked) that sets its locale up first.
class AnsiCodePage : public testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }

  static bool Installed(const char* locale) {
    locale_t probe = newlocale(LC_CTYPE_MASK, locale, locale_t{});
    if (probe == locale_t{}) return false;
    freelocale(probe);
    return true;
  }

  // Exits with 0 when CP_ACP turns `source` into `expected`.
  [[noreturn]] static void ExitWithConversion(const char* source, std::u16string_view expected) {
    std::_Exit(Convert(CP_ACP, source, static_cast<int>(std::strlen(source))) == expected ? 0 : 1);
  }
};

constexpr const char* kNiHaoGbk = "\xC4\xE3\xBA\xC3";

TEST_F(AnsiCodePage, IsGbkUnderAChineseLocaleTheProgramSelected) {
  if (!Installed("zh_CN.UTF-8")) GTEST_SKIP() << "locale zh_CN.UTF-8 is not installed (see locale-gen)";
  EXPECT_EXIT(
      {
        setlocale(LC_ALL, "zh_CN.UTF-8");
        ExitWithConversion(kNiHaoGbk, u"\u4f60\u597d");
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(AnsiCodePage, IsGbkUnderAChineseEnvironmentWithoutTouchingTheProgramLocale) {
  if (!Installed("zh_CN.GBK")) GTEST_SKIP() << "locale zh_CN.GBK is not installed (see locale-gen)";
  EXPECT_EXIT(
      {
        setenv("LC_ALL", "zh_CN.GBK", 1);
        const bool converted = Convert(CP_ACP, kNiHaoGbk, 4) == u"\u4f60\u597d";
        std::_Exit(converted && std::strcmp(setlocale(LC_CTYPE, nullptr), "C") == 0 ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(AnsiCodePage, IsWindows1252UnderTheCLocale) {
  EXPECT_EXIT(
      {
        setenv("LC_ALL", "C", 1);
        ExitWithConversion("\x80\xC4\xE3", u"\u20ac\u00c4\u00e3");
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(AnsiCodePage, IsWindows1252NotUtf8UnderAUtf8Locale) {
  EXPECT_EXIT(
      {
        setlocale(LC_ALL, "C.UTF-8");
        ExitWithConversion("\xC3\xA9", u"\u00c3\u00a9");
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
