// The companion module as the runtime loads it, talking to real windows of
// the stand-in window system.

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

#include "module/bridge/line_settings.h"
#include "module/platform/win32.h"
#include "standins/companion/companion_client.h"
#include "tests/support/temp_folder.h"

namespace {

struct Received {
  win::UINT message;
  uint64_t code;
  std::string payload;
  win::DWORD thread;
};

std::mutex g_mutex;
std::vector<Received> g_received;

win::LRESULT WIN_CALLBACK RecordingProc(win::HWND window, win::UINT message, win::WPARAM wparam, win::LPARAM lparam) {
  if (message == win::WM_COPYDATA || message >= win::WM_USER) {
    Received received{message, 0, {}, win::GetCurrentThreadId()};
    if (message == win::WM_COPYDATA) {
      const auto* data = reinterpret_cast<const win::COPYDATASTRUCT*>(lparam);
      received.code = data->dwData;
      received.payload.assign(static_cast<const char*>(data->lpData), data->cbData);
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    g_received.push_back(std::move(received));
    return 0;
  }
  return win::DefWindowProcW(window, message, wparam, lparam);
}

std::u16string Utf16(const std::string& payload) {
  std::u16string text(payload.size() / 2, u'\0');
  std::memcpy(text.data(), payload.data(), text.size() * 2);
  return text;
}

std::u16string Number(int32_t window) {
  std::u16string text;
  for (char c : std::to_string(window)) text += static_cast<char16_t>(c);
  return text;
}

// The settings line of the companion's defaults, with a short idle text and
// times, and with `changes`.
std::u16string SetLine(int32_t window, std::map<std::string, std::u16string> changes) {
  changes.insert({{"no_thanks_string", u"idle"}, {"show_second", u"2"}, {"delay_show_second", u"0"}});
  std::u16string line = u"Set:" + Number(window);
  for (const LineSetting& setting : kLineSettings) {
    const auto changed = changes.find(std::string(setting.key));
    line += u"{|}";
    if (changed != changes.end())
      line += changed->second;
    else
      line += setting.kind == SettingKind::kText ? setting.companion.text : Number(setting.companion.number);
  }
  return line;
}

class CompanionModuleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    win::WNDCLASSW window_class{};
    window_class.lpfnWndProc = RecordingProc;
    window_class.hInstance = win::GetModuleHandleW(nullptr);
    window_class.lpszClassName = u"companion test window";
    win::RegisterClassW(&window_class);
  }

  void SetUp() override {
    ASSERT_TRUE(client.ok());
    client.ClearRecord();
    client.UseManualClock(true);
    std::lock_guard<std::mutex> lock(g_mutex);
    g_received.clear();
  }
  void TearDown() override {
    client.Command(u"quit");
    client.LoadGiftScript("");
    for (win::HWND window : windows) win::DestroyWindow(window);
  }

  int32_t NewWindow() {
    const win::HWND window = win::CreateWindowExW(0, u"companion test window", u"", 0, 0, 0, 0, 0, nullptr,
                                                  nullptr, win::GetModuleHandleW(nullptr), nullptr);
    windows.push_back(window);
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(window));
  }

  static std::vector<Received> Take() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return std::exchange(g_received, {});
  }

  // The UTF-16 texts of the code-`code` messages received so far, checking
  // that each carries exactly one null unit.
  static std::vector<std::u16string> Texts(const std::vector<Received>& received, uint64_t code) {
    std::vector<std::u16string> texts;
    for (const Received& r : received) {
      if (r.message != win::WM_COPYDATA || r.code != code) continue;
      std::u16string text = Utf16(r.payload);
      EXPECT_FALSE(text.empty());
      EXPECT_EQ(text.back(), u'\0');
      text.pop_back();
      EXPECT_EQ(text.find(u'\0'), std::u16string::npos);
      texts.push_back(text);
    }
    return texts;
  }

  std::string WriteScript(const char* text) {
    const auto path = folder / "gifts.txt";
    std::ofstream(path) << text;
    return path.string();
  }

  testing_support::TempFolder folder{"companion_module_test"};
  CompanionClient client{QUILLORA_COMPANION_FILE};
  std::vector<win::HWND> windows;
};

TEST_F(CompanionModuleTest, PlaysTheScriptIntoTheWindowOnTheManualClock) {
  const int32_t window = NewWindow();
  const std::string script = WriteScript("1 小明 火箭 2 500\n1.5 broken\n3 阿飞 鲜花 10 2\n");
  EXPECT_EQ(client.LoadGiftScript(script), 1);
  const std::u16string set = SetLine(window, {});
  for (const std::u16string& command : {u"setPlatform:6" + std::u16string(), u"init:" + Number(window), set,
                                        u"start:" + Number(window)})
    EXPECT_EQ(client.Command(command), 0);
  client.WaitIdle();
  std::vector<Received> received = Take();
  EXPECT_EQ(Texts(received, 1), std::vector<std::u16string>{u"idle"});
  const auto logs = Texts(received, 200);
  ASSERT_EQ(logs.size(), 2u);
  EXPECT_NE(logs[0].find(u":2: expected 5 fields"), std::u16string::npos);
  EXPECT_EQ(received.front().thread, win::GetCurrentThreadId());  // dispatched while waiting

  client.AdvanceClock(999);
  client.WaitIdle();
  EXPECT_TRUE(Take().empty());
  client.AdvanceClock(1);
  client.WaitIdle();
  EXPECT_EQ(Texts(Take(), 1), std::vector<std::u16string>{u"感谢小明赠送的2个火箭 "});
  client.AdvanceClock(2000);
  client.WaitIdle();
  EXPECT_EQ(Texts(Take(), 1), std::vector<std::u16string>{u"感谢阿飞赠送的10个鲜花 "});

  EXPECT_EQ(client.Command(u"stop:" + Number(window)), 0);
  client.AdvanceClock(60000);
  client.WaitIdle();
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(client.Command(u"quit"), 0);
  EXPECT_EQ(client.PendingSends(), 0);
  EXPECT_EQ(client.Commands(), (std::vector<std::u16string>{u"setPlatform:6", u"init:" + Number(window), set,
                                                             u"start:" + Number(window), u"stop:" + Number(window),
                                                             u"quit"}));
  std::filesystem::remove(script);
}

TEST_F(CompanionModuleTest, TheFormsMessagesAreHandledBeforeItAnswers) {
  const int32_t window = NewWindow();
  client.Command(u"init:" + Number(window));
  client.QueueFormAnswer(1);
  client.QueueFormMessage(102, u"font|Arial");
  client.QueueFormMessage(101, u"fontSize|40");
  EXPECT_EQ(client.Command(u"ShowForm:" + Number(window)), 1);
  const std::vector<Received> received = Take();
  EXPECT_EQ(Texts(received, 102), std::vector<std::u16string>{u"font|Arial"});
  EXPECT_EQ(Texts(received, 101), std::vector<std::u16string>{u"fontSize|40"});
  // The messages were for that form only, and answers run out to 0.
  EXPECT_EQ(client.Command(u"ShowForm:" + Number(window)), 0);
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(client.Command(u"ShowForm:x"), -1);
  EXPECT_EQ(client.Command(u"nonsense"), -1);
}

TEST_F(CompanionModuleTest, AsciiSwitchesTheTextsUntilTheNextPlainSettingsLine) {
  const int32_t window = NewWindow();
  client.Command(u"init:" + Number(window));
  client.Command(u"ASCII");
  client.Command(SetLine(window, {{"no_thanks_string", u"merci é"}}));
  client.Command(u"start:" + Number(window));
  client.WaitIdle();
  std::vector<Received> received = Take();
  ASSERT_FALSE(received.empty());
  const std::string& ansi = received.back().payload;
  ASSERT_EQ(ansi.back(), '\0');
  char16_t decoded[32] = {};
  ASSERT_GT(win::MultiByteToWideChar(win::CP_ACP, 0, ansi.data(), -1, decoded, 32), 0);
  EXPECT_EQ(std::u16string(decoded), u"merci é");

  client.Command(SetLine(window, {{"no_thanks_string", u"plain"}}));
  client.WaitIdle();
  EXPECT_EQ(Texts(Take(), 1), std::vector<std::u16string>{u"plain"});
}

TEST_F(CompanionModuleTest, KeepsEachWindowsSettingsAndReportsABadLineToItsWindow) {
  const int32_t first = NewWindow();
  const int32_t second = NewWindow();
  client.Command(SetLine(first, {{"thanks_string", u"谢谢$sender$"}, {"gift_limit_mode", u"3"}}));
  client.Command(SetLine(second, {}));
  EXPECT_EQ(client.Setting(first, "thanks_string"), u"谢谢$sender$");
  EXPECT_EQ(client.Setting(first, "gift_limit_mode"), u"3");
  EXPECT_EQ(client.Setting(second, "gift_limit_mode"), u"1");
  EXPECT_EQ(client.Setting(second, "no_such_key"), u"");

  EXPECT_EQ(client.Command(SetLine(first, {{"room_name", u"a{|}b"}})), -1);
  client.WaitIdle();
  const std::vector<Received> received = Take();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(Texts(received, 200).at(0).substr(0, 11), u"error: Set:");
  EXPECT_EQ(client.Setting(first, "thanks_string"), u"谢谢$sender$");  // kept
}

TEST_F(CompanionModuleTest, ServesWindowsOfAnotherThreadAndQuitsWhileSending) {
  std::atomic<int32_t> window{0};
  std::atomic<bool> stop{false};
  std::thread owner([&] {
    window = NewWindow();
    win::MSG msg;
    while (!stop) {
      while (win::PeekMessageW(&msg, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessageW(&msg);
      std::this_thread::yield();
    }
  });
  while (window == 0) std::this_thread::yield();
  const char16_t text[] = u"abc";
  client.SendCopyData(window, 1, text, sizeof text);
  client.WaitIdle();
  std::vector<Received> received = Take();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_NE(received[0].thread, win::GetCurrentThreadId());
  EXPECT_EQ(received[0].payload.size(), sizeof text);

  // A window on this thread that is not being pumped: quit must not hang.
  const int32_t mine = NewWindow();
  for (int i = 0; i < 50; ++i) client.SendCopyData(mine, 1, text, sizeof text);
  EXPECT_EQ(client.Command(u"quit"), 0);
  EXPECT_EQ(client.PendingSends(), 0);
  stop = true;
  owner.join();
  windows.erase(std::remove(windows.begin(), windows.end(), reinterpret_cast<win::HWND>(intptr_t{window})),
                windows.end());  // gone with its thread
}

}  // namespace
