// A companion thread sends a stream of mixed messages while the owner thread
// binds, refreshes and destroys sources, as a busy room on a live scene does.

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

#include "bindings/binding_table.h"
#include "bindings/window_proc.h"
#include "bridge/shared_state_mutex.h"
#include "source/thanks_source.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::PluginTest;

class WindowList {
 public:
  void Add(win::HWND window) {
    std::lock_guard<std::mutex> lock(mutex_);
    windows_.push_back(window);
  }
  win::HWND Pick(std::mt19937& random) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (windows_.empty()) return nullptr;
    return windows_[std::uniform_int_distribution<std::size_t>(0, windows_.size() - 1)(random)];
  }

 private:
  std::mutex mutex_;
  std::vector<win::HWND> windows_;
};

void SendMixedMessage(win::HWND window, std::mt19937& random, int i) {
  static const char16_t* const kPayloads[] = {u"感谢小明赠送的1个火箭", u"fontSize|40", u"font|Arial",
                                               u"color|65280", u"room %s line", u"255", u"", u"a|b|c"};
  static const win::ULONG_PTR kCodes[] = {TextUpdate,  TextUpdate, SetIntSetting,      SetStringSetting,
                                          SetColorSetting, LogLine,  SetRandomForeColor, 7};
  const int kind = static_cast<int>(random() % 10);
  if (kind == 8 || kind == 9) {
    win::SendMessageW(window, kind == 8 ? SwitchToAnsi : SwitchToUtf16, 0, 0);
    return;
  }
  const std::u16string text = kPayloads[(static_cast<unsigned>(i) + random()) % std::size(kPayloads)];
  // The payload size is arbitrary: short, exact or without terminator.
  const uint32_t bytes = static_cast<uint32_t>(random() % ((text.size() + 1) * 2 + 1));
  win::COPYDATASTRUCT data{kCodes[kind], bytes, const_cast<char16_t*>(text.c_str())};
  win::SendMessageW(window, win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&data));
}

using CrossThreadTest = PluginTest;

TEST_F(CrossThreadTest, CompanionMessagesWhileSourcesComeAndGo) {
  constexpr int kMessages = 4000;
  WindowList windows;
  std::atomic<bool> done{false};

  std::thread companion([&] {
    std::mt19937 random(7);
    for (int i = 0; i < kMessages;) {
      if (win::HWND window = windows.Pick(random)) {
        SendMixedMessage(window, random, i);
        ++i;
      } else {
        std::this_thread::yield();
      }
    }
    done = true;
  });

  std::vector<std::unique_ptr<ImageSource>> sources;
  int frame = 0;
  while (!done) {
    if (frame % 25 == 0 && sources.size() < 6) {
      auto& element = NewElement();
      sources.emplace_back(CreateThanksSource(&element));
      sources.back()->ActivateInScene();
      std::lock_guard<std::mutex> lock(SharedStateMutex());
      windows.Add(FindBindingByInnerId(String(element.GetString(u"innerId")))->window);
    }
    if (frame % 90 == 89 && sources.size() > 2) sources.erase(sources.begin());
    for (auto& source : sources) {
      source->PrepareFrame();
      source->ReloadSettings();
    }
    PumpMessages();
    ++frame;
  }
  companion.join();
  PumpMessages();
  EXPECT_GT(frame, 0);
  sources.clear();
}

}  // namespace
