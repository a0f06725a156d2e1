// ANSI text on a Chinese Windows, as the Wine environment sets it up
// (LC_ALL=zh_CN.UTF-8: code page 936, GBK): the companion's encoder and the
// plug-in's decoding of an ANSI WM_COPYDATA meet in the same characters.

#include <gtest/gtest.h>

#include <mutex>
#include <string>

#include "module/bindings/binding_table.h"
#include "module/bindings/message_window.h"
#include "module/bindings/window_proc.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/bridge/using_ascii.h"
#include "standins/platform/ansi_code_page.h"
#include "tests/support/plugin_fixture.h"

namespace {

using AnsiTextTest = testing_support::PluginTest;

TEST_F(AnsiTextTest, TheCodePageIsGbk) {
  EXPECT_EQ(platform::ToAnsiCodePage(u"感谢"), "\xB8\xD0\xD0\xBB");
  EXPECT_EQ(platform::ToAnsiCodePage(u"€"), "\x80") << "GBK's one-byte euro sign";
  EXPECT_EQ(platform::ToAnsiCodePage(u"a😀b"), "a?b") << "one '?' for a character GBK lacks";
  EXPECT_EQ(platform::ToAnsiCodePage(u"\xD83D"), "?") << "a lone surrogate is converted as it is";
}

TEST_F(AnsiTextTest, AnAnsiLineFromTheCompanionArrivesAsItsCharacters) {
  auto& element = NewElement();
  const win::HWND window = BindOrCreate(&element).window;
  ASSERT_TRUE(window);
  win::SendMessageW(window, SwitchToAnsi, 0, 0);

  const std::string ansi = platform::ToAnsiCodePage(u"感谢小明赠送的1个火箭");
  win::COPYDATASTRUCT data{TextUpdate, static_cast<win::DWORD>(ansi.size() + 1), const_cast<char*>(ansi.c_str())};
  win::SendMessageW(window, win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&data));

  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    const SourceBinding* binding = FindBindingByWindow(window);
    ASSERT_TRUE(binding);
    EXPECT_EQ(std::u16string(binding->text.c_str()), u"感谢小明赠送的1个火箭");
  }
  win::SendMessageW(window, SwitchToUtf16, 0, 0);
  EXPECT_EQ(UsingAscii, 0);
}

}  // namespace
