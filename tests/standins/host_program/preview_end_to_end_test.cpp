// The preview run as a user runs it, on a short script: its last frame must
// show the last thanks line as the plug-in itself renders it, and the host's
// records must hold no fault.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "module/platform/gdiplus.h"
#include "module/platform/gdiplus_lock.h"
#include "module/platform/system.h"
#include "standins/companion/companion_client.h"
#include "standins/host_library/standin_host.h"
#include "standins/host_program/image.h"
#include "tests/support/file_text.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FileText;

constexpr uint32_t kSceneBackground = 0x1E2430FF;
constexpr int kSourceX = 100, kSourceY = 50;
const std::u16string kLastLine = u"感谢阿飞赠送的10个鲜花";

const char kSceneData[] =
    "        font = \"WenQuanYi Zen Hei\"\n"
    "        fontSize = 40\n"
    "        show_second = 1\n"
    "        delay_show_second = 0\n";

// The line as the plug-in renders it into its texture for a source with the
// scene's settings: the texture's pixels as an RGBA image.
Image RenderThroughTheSource(const std::u16string& line) {
  void* plugin = platform::OpenModule("plugins/" QUILLORA_PLUGIN_FILE_NAME);
  const auto load = platform::FindFunction<bool (*)()>(plugin, "LoadPlugin");
  const auto unload = platform::FindFunction<void (*)()>(plugin, "UnloadPlugin");
  CompanionClient companion(".\\plugins\\QuilloraThanks\\Kelvaro.dll");
  EXPECT_TRUE(plugin && load && unload && companion.ok());
  if (!plugin || !load || !unload || !companion.ok()) return {};
  companion.UseManualClock(true);
  companion.LoadGiftScript("");
  EXPECT_TRUE(load());

  const standin::HostOutput output;
  standin::SettingsElement data(u"data");
  data.SetString(u"font", u"WenQuanYi Zen Hei");
  data.SetInt(u"fontSize", 40);
  data.SetInt(u"is_no_thanks", 0);
  // The class this load registered; an earlier load's went with its module.
  std::unique_ptr<standin::HostedSource> source = standin::RegisteredClasses().back().callbacks->Create(&data);
  source->BeginScene();
  const int32_t window = std::stoi(standin::ToUtf8(data.GetString(u"innerId", u"0")));
  const std::u16string payload = line + u'\0';
  companion.SendCopyData(window, 1, payload.data(), uint32_t(payload.size() * 2));
  companion.WaitIdle();
  source->Preprocess();
  source->Render(Vect2(0, 0), source->GetSize());
  const auto sprites = standin::HostGraphics().TakeSprites();
  Image texture;
  if (!sprites.empty()) {
    const auto* memory = static_cast<const standin::MemoryTexture*>(sprites.back().texture);
    texture = Image(int(memory->Width()), int(memory->Height()), 0);
    DrawSprite(texture, BgraView{memory->Pixels().data(), texture.width, texture.height}, 0xFFFFFFFF, 0, 0,
               float(texture.width), float(texture.height));
  }
  source->EndScene();
  source.reset();
  unload();
  platform::CloseModule(plugin);
  return texture;
}

// Runs the preview with `arguments`, its output in stdout.txt and stderr.txt
// of `folder`; the exit status as std::system gives it.
int RunPreview(const fs::path& folder, const std::string& arguments) {
  // Not starting with a quote: cmd.exe would drop the first and the last
  // one. Wine's cmd.exe also misreads a 2> before the program.
  const std::string command = ">\"" + (folder / "stdout.txt").string() + "\" \"" + QUILLORA_PREVIEW_FILE + "\" " +
                              arguments + " 2>\"" + (folder / "stderr.txt").string() + "\"";
  return std::system(command.c_str());
}

TEST(PreviewEndToEnd, MalformedSettingsStopItWithFileAndLineAndLeaveTheFileAsItWas) {
  const testing_support::TempFolder temp("preview_end_to_end");
  const fs::path& folder = temp.path();
  const std::string scene = "scene {\n  sources {\n    thanks {\n      class = \"Quillora答谢水友插件\n    }\n  }\n}\n";
  std::ofstream(folder / "scene.txt", std::ios::binary) << scene;
  std::ofstream(folder / "gifts.txt") << "0.3 小明 火箭 2 500\nnot a gift line\n";
  const std::string settings = (folder / "scene.txt").string();
  EXPECT_NE(RunPreview(folder, "--script \"" + (folder / "gifts.txt").string() + "\" --settings \"" + settings +
                                   "\" --frames 2 --out \"" + (folder / "out").string() + "\""),
            0);
  const std::string error = FileText(folder / "stderr.txt");
  EXPECT_NE(error.find(settings + ":4: bad value"), std::string::npos) << error;
  EXPECT_NE(FileText(folder / "stdout.txt").find("gifts.txt: 1 malformed lines skipped"), std::string::npos)
      << FileText(folder / "stdout.txt");
  std::ifstream in(folder / "scene.txt", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), scene) << "the file was changed";
  EXPECT_FALSE(fs::exists(folder / "out" / "final.png"));
  // Nothing written beside the settings either.
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_TRUE(entry.path().filename() != "scene.txt.new" &&
                entry.path().filename().string().find(".new-") == std::string::npos)
        << entry.path();
}

TEST(PreviewEndToEnd, TheLastFrameShowsTheLastThanksLine) {
  const testing_support::TempFolder temp("preview_end_to_end");
  const fs::path& folder = temp.path();
  std::ofstream(folder / "gifts.txt") << "0.3 小明 火箭 2 500\n0.9 阿飞 鲜花 10 2\n";
  std::ofstream(folder / "scene.txt") << "scene {\n  sources {\n    thanks {\n"
                                         "      class = \"Quillora答谢水友插件\"\n      x = "
                                      << kSourceX << "\n      y = " << kSourceY << "\n      data {\n"
                                      << kSceneData << "      }\n    }\n  }\n}\n";
  ASSERT_EQ(RunPreview(folder, "--script \"" + (folder / "gifts.txt").string() + "\" --settings \"" +
                                   (folder / "scene.txt").string() + "\" --canvas 800x200 --frames 90 --out \"" +
                                   (folder / "out").string() + "\""),
            0)
      << FileText(folder / "stderr.txt");

  // No fault on the way: no message box, no warning, no companion error.
  const std::string log = FileText(folder / "out" / "host.log");
  EXPECT_NE(log.find("playing "), std::string::npos) << log;
  EXPECT_EQ(log.find("warning:"), std::string::npos) << log;
  EXPECT_EQ(log.find("error:"), std::string::npos) << log;
  EXPECT_EQ(FileText(folder / "stderr.txt").find("[message box]"), std::string::npos);
  // The settings were written back with the source's id and size.
  EXPECT_NE(FileText(folder / "scene.txt").find("innerId"), std::string::npos);

  Image final_frame;
  std::string error;
  ASSERT_TRUE(ReadPng((folder / "out" / "final.png").string(), &final_frame, &error)) << error;
  ASSERT_EQ(final_frame.width, 800);
  const InkBox shown = FindInk(final_frame, kSceneBackground, 48);

  uintptr_t token = 0;
  {
    platform::GdiplusGuard guard;
    ASSERT_EQ(gdiplus::Startup(&token), gdiplus::Ok);
  }
  const Image rendered = RenderThroughTheSource(kLastLine);
  {
    platform::GdiplusGuard guard;
    gdiplus::Shutdown(token);
  }
  const InkBox expected = FindInk(rendered, 0x00000000, 96);
  ASSERT_GT(expected.width, 100);
  // The same line, drawn at the source's place at its own size.
  EXPECT_NEAR(shown.width, expected.width, 3);
  EXPECT_NEAR(shown.height, expected.height, 3);
  EXPECT_NEAR(shown.x, kSourceX + expected.x, 2);
  EXPECT_NEAR(shown.y, kSourceY + expected.y, 2);
}

}  // namespace
