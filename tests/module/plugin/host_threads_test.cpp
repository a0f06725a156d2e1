// The host's real threads around the plug-in's code: a window thread owns the
// message windows (it configures, creates, activates, reloads, deactivates
// and destroys sources, and dispatches the windows' messages in its loop); a
// render thread prepares and draws every source frame after frame; the
// companion sends texts, settings and encoding switches from a thread of its
// own. The scene lock below is the host's: it orders the two host threads'
// work on the scene, never the window procedure against a frame, which only
// the plug-in's shared-state lock can.

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "module/bindings/binding_table.h"
#include "module/bindings/message_window.h"
#include "module/bindings/window_proc.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/scene_source/configure.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/texture_renderer.h"
#include "module/scene_source/thanks_source.h"
#include "tests/support/plugin_fixture.h"
#include "tests/support/window_list.h"

namespace {

using testing_support::PluginTest;

// Posted to the window thread to have it look at the run's steps.
constexpr win::UINT kWake = win::WM_USER + 99;

// Blocks held by the binding table, which lives as long as the module.
std::size_t BindingTableBlocks() {
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  // Its storage, from the first record on (records are never removed).
  std::size_t blocks = Bindings().Count() ? 1 : 0;
  for (unsigned i = 0; i < Bindings().Count(); ++i)
    blocks += (Bindings()[i].innerId.Array() ? 1 : 0) + (Bindings()[i].text.Array() ? 1 : 0);
  return blocks;
}

std::unique_ptr<standin::SettingsElement> CopyWithoutInnerId(const standin::SettingsElement& element) {
  auto copy = std::make_unique<standin::SettingsElement>(element.Name());
  for (const auto& value : element.Values())
    if (value.name != u"innerId") copy->SetValue(value);
  return copy;
}

struct TextureImage {
  unsigned width = 0, height = 0;
  std::vector<unsigned char> pixels;
  bool operator==(const TextureImage&) const = default;
};

TextureImage ImageOf(const QuilloraThanksImage& source) {
  if (!source.texture) return {};
  const auto& texture = *static_cast<const standin::MemoryTexture*>(source.texture);
  return {texture.Width(), texture.Height(), texture.Pixels()};
}

// The line rendered by a source of its own with the same settings.
TextureImage DirectRender(const standin::SettingsElement& element, const std::u16string& line) {
  const auto copy = CopyWithoutInnerId(element);
  std::unique_ptr<QuilloraThanksImage> source(static_cast<QuilloraThanksImage*>(CreateThanksSource(copy.get())));
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  DisplayText() = line.c_str();
  UpdateTexture(source.get());
  return ImageOf(*source);
}

// One source of the scene and the host's settings element it was made for.
struct SceneSource {
  std::unique_ptr<standin::SettingsElement> element;  // "source", with its "data"
  standin::SettingsElement* data = nullptr;
  std::unique_ptr<ImageSource> image;
  win::HWND window = nullptr;
  bool active = false;
};

void SendText(win::HWND window, win::ULONG_PTR code, const std::u16string& text, bool ansi) {
  // ANSI texts are ASCII here, one byte a unit.
  std::string bytes;
  if (ansi)
    for (char16_t unit : text) bytes += static_cast<char>(unit);
  const void* payload = ansi ? static_cast<const void*>(bytes.c_str()) : text.c_str();
  const auto size = static_cast<win::DWORD>(ansi ? bytes.size() + 1 : (text.size() + 1) * 2);
  win::COPYDATASTRUCT data{code, size, const_cast<void*>(payload)};
  win::SendMessageW(window, win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&data));
}

// A busy room: lines, settings and encoding switches to any known window.
void SendRandomMessage(win::HWND window, std::mt19937& random, bool* ansi) {
  const unsigned kind = random() % 8;
  const std::u16string number = std::u16string(1, static_cast<char16_t>(u'0' + random() % 10));
  switch (kind) {
    case 0:
      *ansi = !*ansi;
      win::SendMessageW(window, *ansi ? SwitchToAnsi : SwitchToUtf16, 0, 0);
      break;
    case 1:
      SendText(window, SetIntSetting, u"fontSize|2" + number, *ansi);
      break;
    case 2:
      SendText(window, SetStringSetting, random() % 2 ? u"font|DejaVu Sans" : u"font|DejaVu Serif", *ansi);
      break;
    case 3:
      SendText(window, SetColorSetting, u"color|6528" + number, *ansi);
      break;
    case 4:
      SendText(window, SetRandomForeColor, u"25" + number, *ansi);
      break;
    case 5:
      SendText(window, LogLine, u"room line " + number, *ansi);
      break;
    default:
      SendText(window, TextUpdate, (*ansi ? u"thanks viewer " : u"感谢观众") + number, *ansi);
      break;
  }
}

class HostThreadsTest : public PluginTest {
 protected:
  // Frames the render thread finished.
  int Frames() {
    std::lock_guard<std::mutex> lock(frame_mutex_);
    return frames_;
  }
  void WaitForFrame(int frame) {
    std::unique_lock<std::mutex> lock(frame_mutex_);
    frame_done_.wait(lock, [&] { return frames_ >= frame; });
  }

  void RenderLoop() {
    while (!stop_render_) {
      {
        std::lock_guard<std::mutex> scene(scene_mutex_);
        for (SceneSource& source : scene_) {
          source.image->PrepareFrame();
          source.image->DrawAt(Vect2(0, 0), source.image->QuerySize());
        }
      }
      standin::HostGraphics().TakeSprites();
      {
        std::lock_guard<std::mutex> lock(frame_mutex_);
        ++frames_;
      }
      frame_done_.notify_all();
    }
  }

  // Window thread, under the scene lock: a source comes, as the host adds one.
  void AddSource(std::mt19937& random) {
    SceneSource source;
    source.element = std::make_unique<standin::SettingsElement>(u"source");
    if (random() % 2) {
      ConfigureTextSource(source.element.get(), false);  // the form saved at once
    } else {
      source.element->CreateElement(u"data")->SetInt(u"fontSize", 20);
    }
    source.data = static_cast<standin::SettingsElement*>(source.element->GetElement(u"data"));
    source.image.reset(CreateThanksSource(source.data));
    ASSERT_TRUE(source.image);
    source.image->ActivateInScene();
    source.active = true;
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    source.window = FindBindingByInnerId(source.data->GetString(u"innerId"))->window;
    windows_.Add(source.window);
    scene_.push_back(std::move(source));
  }

  // Window thread, under the scene lock: one change to the scene.
  void ChangeScene(std::mt19937& random) {
    const unsigned change = random() % 5;
    if (scene_.size() < 2 || (change == 0 && scene_.size() < 4)) return AddSource(random);
    SceneSource& source = scene_[random() % scene_.size()];
    if (change == 1) {
      source.image->ReloadSettings();
    } else if (change == 2) {
      source.active ? source.image->DeactivateInScene() : source.image->ActivateInScene();
      source.active = !source.active;
    } else if (change == 3) {
      if (source.active) source.image->DeactivateInScene();
      source.image.reset();
      // What the element held when its source went; nothing may change it.
      destroyed_.push_back({std::move(source.element), source.data, source.data->Values()});
      scene_.erase(scene_.begin() + (&source - scene_.data()));
    }
  }

  // Sources are made and drawn while the host's output runs.
  const standin::HostOutput output_;
  std::mutex scene_mutex_;
  std::vector<SceneSource> scene_;
  struct Destroyed {
    std::unique_ptr<standin::SettingsElement> element;
    const standin::SettingsElement* data;
    std::vector<standin::SettingsElement::Value> values;
  };
  std::vector<Destroyed> destroyed_;
  testing_support::WindowList windows_;  // the companion's

  std::mutex frame_mutex_;
  std::condition_variable frame_done_;
  int frames_ = 0;
  std::atomic<bool> stop_render_{false};
};

bool SameValues(const std::vector<standin::SettingsElement::Value>& a,
                const std::vector<standin::SettingsElement::Value>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].name != b[i].name || a[i].text != b[i].text) return false;
  return true;
}

TEST_F(HostThreadsTest, WindowThreadRenderThreadAndCompanionTogether) {
  constexpr int kMessages = 600;
  const std::size_t blocks = standin::LiveBlocks() - BindingTableBlocks();
  std::vector<win::HWND> all_windows;

  // Steps of the run, each waited for by the next. The window thread waits in
  // its message loop, so each step also posts it a message.
  std::mutex step_mutex;
  std::condition_variable step;
  std::atomic<win::HWND> wake{nullptr};
  bool scene_ready = false;      // the first sources are there
  int sent = 0;                  // messages of the busy room
  bool scene_final = false;      // the window thread changes the scene no more
  bool final_lines_sent = false;
  bool reloaded = false;         // the sources took the last settings
  bool checked = false;          // the test has read the textures
  std::map<win::HWND, std::u16string> final_lines;
  const auto advance = [&](const auto& change) {
    {
      std::lock_guard<std::mutex> lock(step_mutex);
      change();
    }
    step.notify_all();
    if (const win::HWND window = wake.load()) win::PostMessageW(window, kWake, 0, 0);
  };
  const auto wait_until = [&](const auto& condition) {
    std::unique_lock<std::mutex> lock(step_mutex);
    step.wait(lock, condition);
  };

  std::thread render([this] { RenderLoop(); });

  std::thread window_thread([&] {
    std::mt19937 random(11);
    const auto pump_until = [&](const auto& condition) {
      win::MSG msg;
      for (;;) {
        {
          std::lock_guard<std::mutex> lock(step_mutex);
          if (condition()) return;
        }
        // Handles the companion's sends while it waits for a posted wake.
        if (win::GetMessageW(&msg, nullptr, 0, 0) > 0) win::DispatchMessageW(&msg);
      }
    };
    {
      std::lock_guard<std::mutex> scene(scene_mutex_);
      AddSource(random);
      AddSource(random);
      wake = scene_.front().window;  // lives until the end, as all windows do
    }
    advance([&] { scene_ready = true; });
    // One change to the scene every 10 messages of the room.
    for (int changes = 0;;) {
      int now = 0;
      pump_until([&] {
        now = sent;
        return now >= kMessages || now / 10 > changes;
      });
      if (now >= kMessages) break;
      ++changes;
      std::lock_guard<std::mutex> scene(scene_mutex_);
      ChangeScene(random);
    }
    std::map<win::HWND, std::u16string> lines;
    {
      std::lock_guard<std::mutex> scene(scene_mutex_);
      for (SceneSource& source : scene_)
        lines[source.window] = std::u16string(u"感谢") + source.data->GetString(u"innerId") + u"号的观众";
    }
    advance([&] {
      final_lines = lines;
      scene_final = true;
    });
    pump_until([&] { return final_lines_sent; });
    {
      // The last settings reach the sources, as when the user reopens them.
      std::lock_guard<std::mutex> scene(scene_mutex_);
      for (SceneSource& source : scene_) source.image->ReloadSettings();
    }
    advance([&] { reloaded = true; });
    pump_until([&] { return checked; });
    std::lock_guard<std::mutex> scene(scene_mutex_);
    for (SceneSource& source : scene_)
      if (source.active) source.image->DeactivateInScene();
    scene_.clear();
    DestroyMessageWindows();  // as UnloadPlugin does, on the owner thread
  });

  std::thread companion([&] {
    std::mt19937 random(5);
    bool ansi = false;
    wait_until([&] { return scene_ready; });
    for (int i = 0; i < kMessages; ++i) {
      SendRandomMessage(windows_.Pick(random), random, &ansi);
      advance([&] { ++sent; });
    }
    std::map<win::HWND, std::u16string> lines;
    wait_until([&] {
      lines = final_lines;
      return scene_final;
    });
    for (const auto& [window, line] : lines) {
      win::SendMessageW(window, SwitchToUtf16, 0, 0);
      SendText(window, TextUpdate, line, false);
    }
    advance([&] { final_lines_sent = true; });
  });

  companion.join();
  // Two whole frames after the last line and the last reload.
  wait_until([&] { return reloaded; });
  WaitForFrame(Frames() + 3);
  stop_render_ = true;
  render.join();

  {
    std::lock_guard<std::mutex> scene(scene_mutex_);
    EXPECT_FALSE(scene_.empty());
    for (SceneSource& source : scene_) {
      all_windows.push_back(source.window);
      const std::u16string& line = final_lines.at(source.window);
      const TextureImage shown = ImageOf(*static_cast<QuilloraThanksImage*>(source.image.get()));
      EXPECT_GT(shown.width, 0u);
      EXPECT_TRUE(shown == DirectRender(*source.data, line))
          << "source " << testing_support::Utf8(source.data->GetString(u"innerId")) << " does not show "
          << testing_support::Utf8(line);
    }
  }
  EXPECT_FALSE(destroyed_.empty()) << "no source was destroyed during the run";
  for (const Destroyed& gone : destroyed_)
    EXPECT_TRUE(SameValues(gone.data->Values(), gone.values))
        << "a setting landed in destroyed source " << testing_support::Utf8(gone.data->GetString(u"innerId"));
  advance([&] { checked = true; });
  window_thread.join();

  for (win::HWND window : all_windows) EXPECT_FALSE(win::IsWindow(window));
  EXPECT_EQ(standin::LiveBlocks() - BindingTableBlocks(), blocks) << "host blocks outside the binding table";
}

}  // namespace
