// Whole sessions of the module with the stand-in companion: load, bind,
// messages, render, unload — and nothing left behind.

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "module/bindings/window_proc.h"
#include "module/platform/system.h"
#include "module/platform/win32.h"
#include "standins/companion/companion_client.h"
#include "standins/host_library/standin_host.h"
#include "standins/plugin_loader/plugin_module.h"

namespace {

const std::string kModule = std::string("plugins\\") + QUILLORA_PLUGIN_FILE_NAME;
const std::string kCompanion = "plugins\\QuilloraThanks\\Kelvaro.dll";

void Pump() {
  win::MSG msg;
  while (win::PeekMessageW(&msg, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessageW(&msg);
}

int32_t WindowNumberOf(XElement& data) { return String(data.GetString(u"innerId", u"")).ToInt(10); }

win::HWND HandleOf(int32_t number) { return reinterpret_cast<win::HWND>(static_cast<intptr_t>(number)); }

void SendLine(const CompanionClient& companion, int32_t window, const std::u16string& line) {
  companion.SendCopyData(window, TextUpdate, line.c_str(), static_cast<uint32_t>((line.size() + 1) * 2));
}

// One loaded module and the host's view of its source class.
class Session {
 public:
  Session() : module_(kModule) {
    standin::ClearRegisteredClasses();
    loaded_ = module_.ok() && module_.LoadPlugin();
    if (loaded_) source_class_ = standin::RegisteredClasses().at(0);
  }
  ~Session() {
    if (module_.ok()) module_.UnloadPlugin();
  }
  bool loaded() const { return loaded_; }
  std::unique_ptr<standin::HostedSource> Create(XElement& data) const { return source_class_.callbacks->Create(&data); }
  bool Configure(XElement& element) const { return source_class_.callbacks->Configure(&element, false); }

 private:
  PluginModule module_;
  bool loaded_ = false;
  standin::RegisteredClass source_class_;
};

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::ClearMessagesAndLog();
    platform::SetEnvironmentValue("STANDIN_CLR", "");
    ASSERT_TRUE(companion.ok());
    companion.ClearRecord();
  }
  // Held open by the test, so that its record outlives each module session.
  CompanionClient companion{kCompanion};
};

TEST_F(SessionTest, UnloadAfterAFailedLoadSendsNothing) {
  platform::SetEnvironmentValue("STANDIN_CLR", "no-runtime");
  {
    Session session;
    EXPECT_FALSE(session.loaded());
  }
  platform::SetEnvironmentValue("STANDIN_CLR", "");
  EXPECT_TRUE(companion.Commands().empty());

  {
    Session session;
    ASSERT_TRUE(session.loaded());
  }
  EXPECT_EQ(companion.Commands(), std::vector<std::u16string>{u"quit"});
}

TEST_F(SessionTest, SessionLeavesNoBlockNoWindowAndNoError) {
  const std::size_t blocks = standin::LiveBlocks();
  std::vector<win::HWND> windows;
  {
    Session session;
    ASSERT_TRUE(session.loaded());
    standin::SettingsElement element(u"source");
    companion.QueueFormAnswer(0);
    companion.QueueFormMessage(SetIntSetting, u"fontSize|40");
    ASSERT_EQ(GS, nullptr) << "loaded and configured outside the host's output";
    ASSERT_TRUE(session.Configure(element));
    XElement& data = *element.GetElement(u"data");
    EXPECT_EQ(data.GetInt(u"fontSize"), 40) << "the form's write reached the element";
    EXPECT_EQ(element.GetFloat(u"cx"), data.GetFloat(u"baseSizeCX"));

    const standin::HostOutput output;
    std::unique_ptr<standin::HostedSource> source = session.Create(data);
    source->BeginScene();
    const int32_t window = WindowNumberOf(data);
    windows.push_back(HandleOf(window));
    SendLine(companion, window, u"感谢小明赠送的2个火箭");
    companion.WaitIdle();
    source->Preprocess();
    source->Render(Vect2(0, 0), source->GetSize());
    EXPECT_EQ(standin::HostGraphics().TakeSprites().size(), 1u);
    source->EndScene();
    source.reset();
  }
  for (win::HWND window : windows) EXPECT_FALSE(win::IsWindow(window)) << "window outlived the module";
  EXPECT_EQ(standin::LiveBlocks(), blocks);
  EXPECT_TRUE(standin::MessageBoxes().empty());
  for (const auto& line : standin::LogLines()) EXPECT_NE(line.kind, standin::LogKind::Warning);
}

// One source as the host calls it: the size its slot gives, the texture's
// format, size and row pitch as the graphics system gets them, the rectangle
// Render draws, new settings, and slot 0 taking the texture with it.
TEST_F(SessionTest, TheHostsCallsReachTheSourceAndItsTexture) {
  const std::size_t blocks = standin::LiveBlocks();
  {
    Session session;
    ASSERT_TRUE(session.loaded());
    const standin::HostOutput output;
    standin::SettingsElement data(u"data");
    data.SetFloat(u"baseSizeCX", 200.0f);
    data.SetFloat(u"baseSizeCY", 50.0f);
    std::unique_ptr<standin::HostedSource> source = session.Create(data);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->GetSize().x, 200.0f);
    EXPECT_EQ(source->GetSize().y, 50.0f);
    source->BeginScene();
    SendLine(companion, WindowNumberOf(data), u"感谢小明赠送的2个火箭");
    companion.WaitIdle();
    source->Tick(0.016f);
    source->Preprocess();                            // makes the texture
    source->Preprocess();                            // and draws into it again
    source->Render(Vect2(10, 20), Vect2(400, 100));  // twice the base size
    auto sprites = standin::HostGraphics().TakeSprites();
    ASSERT_EQ(sprites.size(), 1u);
    const auto& texture = *static_cast<const standin::MemoryTexture*>(sprites[0].texture);
    EXPECT_EQ(texture.ColorFormat(), GS_BGRA);
    EXPECT_EQ(texture.UploadFormat(), GS_IMAGEFORMAT_BGRA);
    EXPECT_EQ(texture.UploadPitch(), texture.Width() * 4);
    EXPECT_EQ(sprites[0].color, 0xFFFFFFFFu);
    EXPECT_EQ(sprites[0].x1, 10.0f);
    EXPECT_EQ(sprites[0].y1, 20.0f);
    EXPECT_EQ(sprites[0].x2, 10.0f + 2.0f * static_cast<float>(texture.Width()));
    EXPECT_EQ(sprites[0].y2, 20.0f + 2.0f * static_cast<float>(texture.Height()));

    const unsigned height = texture.Height();
    data.SetInt(u"fontSize", 96);
    source->UpdateSettings();
    source->Preprocess();
    source->Render(Vect2(0, 0), source->GetSize());
    sprites = standin::HostGraphics().TakeSprites();
    ASSERT_EQ(sprites.size(), 1u);
    EXPECT_GT(static_cast<const standin::MemoryTexture*>(sprites[0].texture)->Height(), height) << "the new size";
    source->EndScene();

    const int textures = standin::HostGraphics().LiveTextures();
    source.reset();
    EXPECT_EQ(standin::HostGraphics().LiveTextures(), textures - 1) << "the source's texture went with it";
  }
  EXPECT_EQ(standin::LiveBlocks(), blocks);
}

TEST_F(SessionTest, RepeatedLoadBindMessageUnloadLeavesNothing) {
  const std::size_t blocks = standin::LiveBlocks();
  for (int round = 0; round < 1000; ++round) {
    win::HWND window = nullptr;
    {
      Session session;
      ASSERT_TRUE(session.loaded());
      const standin::HostOutput output;
      standin::SettingsElement data(u"data");
      std::unique_ptr<standin::HostedSource> source = session.Create(data);
      source->BeginScene();
      window = HandleOf(WindowNumberOf(data));
      const win::COPYDATASTRUCT copy{TextUpdate, 4, const_cast<char16_t*>(u"x")};
      win::SendMessageW(window, win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&copy));
      source->Preprocess();
    }
    ASSERT_FALSE(win::IsWindow(window)) << "round " << round;
    ASSERT_EQ(standin::LiveBlocks(), blocks) << "round " << round;
  }
}

TEST_F(SessionTest, BusyRoomWhileSourcesComeAndGo) {
  const std::size_t blocks = standin::LiveBlocks();
  {
    Session session;
    ASSERT_TRUE(session.loaded());
    const standin::HostOutput output;
    std::vector<std::unique_ptr<standin::SettingsElement>> elements;
    std::vector<std::unique_ptr<standin::HostedSource>> sources;
    std::mutex windows_mutex;
    std::vector<int32_t> windows;
    auto add_source = [&] {
      elements.push_back(std::make_unique<standin::SettingsElement>(u"data"));
      sources.emplace_back(session.Create(*elements.back()));
      sources.back()->BeginScene();
      std::lock_guard<std::mutex> lock(windows_mutex);
      windows.push_back(WindowNumberOf(*elements.back()));
    };
    add_source();
    add_source();

    // 300 lines, one a frame, spread over the live windows: the room waits
    // for each frame to pass before its next line.
    std::atomic<bool> done{false};
    std::mutex frame_mutex;
    std::condition_variable frame_passed;
    int frames = 0;
    std::thread room([&] {
      for (int i = 0; i < 300; ++i) {
        int32_t window;
        {
          std::lock_guard<std::mutex> lock(windows_mutex);
          window = windows[static_cast<std::size_t>(i) % windows.size()];
        }
        SendLine(companion, window,
                 u"感谢观众" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u"赠送的1个荧光棒");
        std::unique_lock<std::mutex> lock(frame_mutex);
        const int sent_at = frames;
        frame_passed.wait(lock, [&] { return frames > sent_at; });
      }
      done = true;
    });
    for (int frame = 0; !done; ++frame) {
      Pump();
      if (frame % 40 == 20) add_source();
      if (frame % 40 == 39 && sources.size() > 2) {
        sources.front()->EndScene();
        sources.erase(sources.begin());  // its window keeps receiving lines
      }
      for (auto& source : sources) {
        source->Preprocess();
        source->Render(Vect2(0, 0), source->GetSize());
      }
      standin::HostGraphics().TakeSprites();
      {
        std::lock_guard<std::mutex> lock(frame_mutex);
        ++frames;
      }
      frame_passed.notify_one();
    }
    room.join();
    companion.WaitIdle();
    for (auto& source : sources) source->EndScene();
    sources.clear();
  }
  EXPECT_EQ(standin::LiveBlocks(), blocks);
  EXPECT_TRUE(standin::MessageBoxes().empty());
}

}  // namespace
