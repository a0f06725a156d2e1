// A companion thread sends a stream of mixed messages while the owner thread
// binds, refreshes and destroys sources, as a busy room on a live scene does.

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

#include "module/bindings/binding_table.h"
#include "module/bindings/window_proc.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/scene_source/thanks_source.h"
#include "tests/support/plugin_fixture.h"
#include "tests/support/window_list.h"

namespace {

using testing_support::PluginTest;
using testing_support::WindowList;

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

// Every value of the element as "name=text".
std::vector<std::u16string> Texts(const standin::SettingsElement& element) {
  std::vector<std::u16string> texts;
  for (const auto& value : element.Values()) texts.push_back(value.name + u"=" + value.text);
  return texts;
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

  const standin::HostOutput output;
  std::vector<std::unique_ptr<ImageSource>> sources;
  std::vector<standin::SettingsElement*> elements;
  // Each destroyed source's element and what it held then.
  std::vector<std::pair<standin::SettingsElement*, std::vector<std::u16string>>> destroyed;
  int frame = 0;
  while (!done) {
    if (frame % 25 == 0 && sources.size() < 6) {
      auto& element = NewElement();
      sources.emplace_back(CreateThanksSource(&element));
      elements.push_back(&element);
      sources.back()->ActivateInScene();
      std::lock_guard<std::mutex> lock(SharedStateMutex());
      windows.Add(FindBindingByInnerId(element.GetString(u"innerId"))->window);
    }
    if (frame % 90 == 89 && sources.size() > 2) {
      sources.erase(sources.begin());
      destroyed.emplace_back(elements.front(), Texts(*elements.front()));
      elements.erase(elements.begin());
    }
    for (auto& source : sources) {
      source->PrepareFrame();
      source->ReloadSettings();
    }
    PumpMessages();
    ++frame;
  }
  companion.join();
  PumpMessages();
  ASSERT_FALSE(destroyed.empty());
  for (const auto& [element, values] : destroyed)
    EXPECT_EQ(Texts(*element), values) << "a setting landed in a destroyed source's element";
  sources.clear();
}

}  // namespace
