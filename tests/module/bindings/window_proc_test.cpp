#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <mutex>

#include "module/bindings/binding_table.h"
#include "module/bindings/message_window.h"
#include "module/bindings/window_proc.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/bridge/using_ascii.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::PluginTest;
using testing_support::Utf8;

// The host log holds `text` and nothing else.
void ExpectOneLogLine(const std::string& text) {
  const auto lines = standin::LogLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(Utf8(lines[0].text), text);
}

class WindowProcTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    element = &NewElement();
    window = BindOrCreate(element).window;
    ASSERT_TRUE(window);
    UsingAscii = 0;
  }

  win::LRESULT CopyData(win::ULONG_PTR code, const void* payload, uint32_t bytes, win::HWND to = nullptr) {
    win::COPYDATASTRUCT data{code, bytes, const_cast<void*>(payload)};
    return win::SendMessageW(to ? to : window, win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&data));
  }
  // UTF-16 with its null unit, as the companion sends it.
  win::LRESULT Send(win::ULONG_PTR code, const std::u16string& text, win::HWND to = nullptr) {
    return CopyData(code, text.c_str(), static_cast<uint32_t>((text.size() + 1) * 2), to);
  }

  std::u16string StoredText() {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    return FindBindingByWindow(window)->text.c_str();
  }

  standin::SettingsElement* element = nullptr;
  win::HWND window = nullptr;
};

TEST_F(WindowProcTest, TextUpdateStoresTheLineAndMarksItChanged) {
  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    FindBindingByWindow(window)->textChanged = 0;
  }
  EXPECT_EQ(Send(TextUpdate, u"感谢小明赠送的2个火箭 x2"), 0);
  EXPECT_EQ(StoredText(), u"感谢小明赠送的2个火箭 x2");
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  EXPECT_EQ(FindBindingByWindow(window)->textChanged, 1);
}

TEST_F(WindowProcTest, EmptyTextIsStoredToo) {
  Send(TextUpdate, u"before");
  Send(TextUpdate, u"");
  EXPECT_EQ(StoredText(), u"");
}

TEST_F(WindowProcTest, Utf16LengthComesFromCbData) {
  const char16_t abc[] = u"abc";
  CopyData(TextUpdate, abc, 8);
  EXPECT_EQ(StoredText(), u"abc");
  CopyData(TextUpdate, abc, 6);  // no null unit: the last letter is lost
  EXPECT_EQ(StoredText(), u"ab");
  const char16_t unterminated[2] = {u'x', u'y'};
  CopyData(TextUpdate, unterminated, 4);  // nothing beyond the payload is read
  EXPECT_EQ(StoredText(), u"x");
  CopyData(TextUpdate, unterminated, 2);
  EXPECT_EQ(StoredText(), u"x");
  CopyData(TextUpdate, nullptr, 0);
  EXPECT_EQ(StoredText(), u"");
  const char16_t padded[6] = {u'a', u'b'};  // the text ends well before the payload
  CopyData(TextUpdate, padded, sizeof padded);
  EXPECT_EQ(StoredText(), u"ab");
  EXPECT_TRUE(standin::LogLines().empty()) << "no text was cut past its end";
}

TEST_F(WindowProcTest, SettingMessagesSplitAtTheFirstBar) {
  Send(SetStringSetting, u"font|Arial");
  EXPECT_EQ(element->GetString(u"font"), std::u16string(u"Arial"));
  Send(SetStringSetting, u"a|b|c");
  EXPECT_EQ(element->GetString(u"a"), std::u16string(u"b|c"));
  for (const char16_t* ignored : {u"font|", u"|Arial", u"font"}) Send(SetStringSetting, ignored);
  EXPECT_EQ(element->GetString(u"font"), std::u16string(u"Arial"));
  EXPECT_FALSE(element->Has(u""));

  Send(SetIntSetting, u"fontSize|48");
  EXPECT_EQ(element->GetInt(u"fontSize"), 48);
  Send(SetIntSetting, u"fontSize|big");
  EXPECT_EQ(element->GetInt(u"fontSize", 7), 0);  // what ToInt makes of it
}

TEST_F(WindowProcTest, ColoursAreStoredOpaque) {
  Send(SetColorSetting, u"color|255");
  EXPECT_EQ(static_cast<uint32_t>(element->GetInt(u"color")), 0xFF0000FFu);
  Send(SetColorSetting, u"color|0");
  EXPECT_EQ(element->GetInt(u"color"), -16777216);
  Send(SetRandomForeColor, u"16711680");
  EXPECT_EQ(static_cast<uint32_t>(element->GetInt(u"RandomForeColor")), 0xFFFF0000u);
  Send(SetRandomForeColor, u"");
  EXPECT_EQ(static_cast<uint32_t>(element->GetInt(u"RandomForeColor")), 0xFFFF0000u);
}

TEST_F(WindowProcTest, LogLineIsLoggedVerbatim) {
  Send(LogLine, u"100%s done %d%%");
  ExpectOneLogLine("100%s done %d%%");
}

// Architecture-dependent: the code's top bit is bit 63 on x64, bit 31 on x86.
TEST_F(WindowProcTest, UnknownAndHighBitCodesDoNothing) {
  constexpr win::ULONG_PTR kTopBit = win::ULONG_PTR{1} << (8 * sizeof(win::ULONG_PTR) - 1);
  Send(TextUpdate, u"kept");
  for (win::ULONG_PTR code : {win::ULONG_PTR{0}, win::ULONG_PTR{2}, win::ULONG_PTR{204}, kTopBit | TextUpdate,
                              kTopBit | SetStringSetting}) {
    EXPECT_EQ(Send(code, u"font|Changed"), 0);
  }
  EXPECT_EQ(StoredText(), u"kept");
  EXPECT_FALSE(element->Has(u"font"));
}

TEST_F(WindowProcTest, EncodingSwitchOnOneWindowGovernsEveryWindow) {
  auto& other_element = NewElement();
  const win::HWND other = BindOrCreate(&other_element).window;

  EXPECT_EQ(win::SendMessageW(window, SwitchToAnsi, 0, 0), 0);
  EXPECT_EQ(UsingAscii, 1);
  EXPECT_EQ(element->GetInt(u"usingASCII"), 1);
  EXPECT_FALSE(other_element.Has(u"usingASCII"));

  const char ansi[] = "plain ascii";
  CopyData(TextUpdate, ansi, sizeof ansi, other);
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  EXPECT_EQ(Utf8(FindBindingByWindow(other)->text.c_str()), "plain ascii");
}

TEST_F(WindowProcTest, AnsiPayloadIsBoundedByCbData) {
  win::SendMessageW(window, SwitchToAnsi, 0, 0);
  const char unterminated[4] = {'a', 'b', 'c', 'd'};
  CopyData(TextUpdate, unterminated, 3);
  EXPECT_EQ(StoredText(), u"abc");
  const char embedded_zero[] = "ab\0cd";
  CopyData(TextUpdate, embedded_zero, sizeof embedded_zero);
  EXPECT_EQ(StoredText(), u"ab");
  win::SendMessageW(window, SwitchToUtf16, 0, 0);
  EXPECT_EQ(UsingAscii, 0);
  EXPECT_EQ(element->GetInt(u"usingASCII", 9), 0);
}

TEST_F(WindowProcTest, SwitchToAWindowWithoutBindingChangesNothing) {
  win::WNDCLASSW stray_class{};
  stray_class.lpfnWndProc = MessageWindowProc;
  stray_class.lpszClassName = u"stray";
  stray_class.hInstance = win::GetModuleHandleW(nullptr);
  win::RegisterClassW(&stray_class);
  const win::HWND stray =
      win::CreateWindowExW(0, u"stray", u"", 0, 0, 0, 0, 0, nullptr, nullptr, stray_class.hInstance, nullptr);
  ASSERT_TRUE(stray);
  win::SendMessageW(stray, SwitchToAnsi, 0, 0);
  EXPECT_EQ(UsingAscii, 0);
  EXPECT_EQ(Send(TextUpdate, u"x", stray), 0);
  win::DestroyWindow(stray);
}

TEST_F(WindowProcTest, MarkedBindingTakesTextAndLogLinesButNoSettings) {
  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    MarkBindingDeleted(element->GetString(u"innerId"));
  }
  Send(TextUpdate, u"after");
  EXPECT_EQ(StoredText(), u"after");
  const auto values = element->Values().size();
  Send(SetIntSetting, u"fontSize|40");
  Send(SetStringSetting, u"font|Arial");
  Send(SetColorSetting, u"color|255");
  Send(SetRandomForeColor, u"255");
  win::SendMessageW(window, SwitchToAnsi, 0, 0);
  EXPECT_EQ(element->Values().size(), values) << "a setting landed in a destroyed source's element";
  win::SendMessageW(window, SwitchToUtf16, 0, 0);
  Send(LogLine, u"still logged");
  ExpectOneLogLine("still logged");
}

TEST_F(WindowProcTest, CloseDestroysTheWindowWithoutEndingTheThreadsLoop) {
  Send(TextUpdate, u"before");
  win::SendMessageW(window, win::WM_CLOSE, 0, 0);
  EXPECT_FALSE(win::IsWindow(window));
  win::MSG msg;
  EXPECT_FALSE(win::PeekMessageW(&msg, nullptr, win::WM_QUIT, win::WM_QUIT, win::PM_REMOVE));
  // The binding keeps the old handle; messages to it are dropped.
  Send(TextUpdate, u"late");
  EXPECT_EQ(StoredText(), u"before");
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  EXPECT_EQ(FindBindingByWindow(window)->window, window);
}

}  // namespace
