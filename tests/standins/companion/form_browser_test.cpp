// The settings form in a real browser (headless Chromium driven by
// form_browser.py): a person saves, cancels or closes the page, and the
// plug-in's element, its size and its next picture show the outcome.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/standins/companion/form_host.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_folder.h"

namespace form_testing {
namespace {

namespace fs = std::filesystem;
using testing_support::ScriptRun;

constexpr uint32_t kTextUpdate = 1;

std::string Utf8(const std::u16string& text) { return standin::ToUtf8(text); }

class FormBrowserTest : public FormHostTest {
 protected:
  // Runs the browser script on the form at `url`.
  ScriptRun RunBrowser(const std::string& action, const std::string& url) {
    const fs::path profile = folder / ("profile-" + action);
    const std::string command = std::string(QUILLORA_PYTHON) + " '" + QUILLORA_BROWSER_SCRIPT + "' " + action +
                                " '" + url + "' '" + profile.string() + "'";
    return ScriptRun(command, folder / ("browser-" + action + ".txt"));
  }
  // A visit by the browser script, which fails the test with what failed.
  FormHost::Visitor Browser(const std::string& action) {
    return [this, action](const std::string& url) { EXPECT_TRUE(RunBrowser(action, url).Passed()) << action; };
  }

  testing_support::TempFolder folder{"form_browser_test"};  // browser profiles, scene copies
};

// The texture's fully opaque pixels (BGRA) whose colour `rgb` is or, with
// `same` false, is not.
int OpaquePixels(const standin::MemoryTexture& texture, uint32_t rgb, bool same) {
  int count = 0;
  const auto& p = texture.Pixels();
  for (std::size_t i = 0; i + 3 < p.size(); i += 4)
    if (p[i + 3] == 255 && ((uint32_t(p[i + 2]) << 16 | uint32_t(p[i + 1]) << 8 | p[i]) == rgb) == same) ++count;
  return count;
}

TEST_F(FormBrowserTest, SavedSettingsReachTheElementAndTheNextPicture) {
  ASSERT_TRUE(host.Configure(element, Browser("save")));
  standin::SettingsElement& data = DataOf(element);
  EXPECT_EQ(data.GetInt(u"fontSize", 0), 72);
  EXPECT_EQ(static_cast<uint32_t>(data.GetInt(u"color", 0)), 0xFF3366CCu) << "saved opaque";
  EXPECT_EQ(data.GetInt(u"outline", 0), 1);
  EXPECT_EQ(Utf8(data.GetString(u"thanks_string", u"")), "多谢$sender$送的$num$个$gift$");
  EXPECT_FALSE(data.Has(u"font")) << "untouched settings are not sent";
  EXPECT_GE(data.GetFloat(u"baseSizeCY", 0), 72.0f) << "the base size is measured with the new size";
  EXPECT_EQ(element.GetFloat(u"cx", -1), data.GetFloat(u"baseSizeCX", 0));
  EXPECT_EQ(element.GetFloat(u"cy", -1), data.GetFloat(u"baseSizeCY", 0));
  EXPECT_TRUE(standin::MessageBoxes().empty());

  // The next picture: the source reads the saved settings and draws a line.
  const standin::HostOutput output;
  std::unique_ptr<standin::HostedSource> source = host.Create(data);
  source->UpdateSettings();
  source->BeginScene();
  const std::u16string line = u"多谢小明送的2个火箭";
  host.companion().SendCopyData(WindowNumberOf(data), kTextUpdate, line.c_str(),
                                static_cast<uint32_t>((line.size() + 1) * sizeof(char16_t)));
  host.companion().WaitIdle();
  source->Preprocess();
  source->Render(Vect2(0, 0), source->GetSize());
  const auto sprites = standin::HostGraphics().TakeSprites();
  ASSERT_EQ(sprites.size(), 1u);
  const auto& texture = *static_cast<const standin::MemoryTexture*>(sprites[0].texture);
  EXPECT_GE(texture.Height(), 72u);
  EXPECT_GT(OpaquePixels(texture, 0x3366CC, true), 1000) << "glyphs in the saved colour";
  // Without an outline the glyphs' edges fade out; the black outline under
  // them makes them opaque and darker.
  EXPECT_GT(OpaquePixels(texture, 0x3366CC, false), 500) << "the outline";
  source->EndScene();
}

TEST_F(FormBrowserTest, CancelAndClosingThePageChangeNothing) {
  for (const char* action : {"cancel", "close"}) {
    EXPECT_FALSE(host.Configure(element, Browser(action))) << action;
    EXPECT_TRUE(standin::MessageBoxes().empty()) << action;
    EXPECT_FALSE(element.Has(u"cx")) << action;
    EXPECT_TRUE(WindowExists(DataOf(element))) << "the window made for the form stays";
    EXPECT_FALSE(DataOf(element).Has(u"fontSize")) << "the refused size stayed in the page";
  }
  EXPECT_EQ(host.FormsServed(), 2);
}

// The preview as a person runs it: --configure prints the form's address and
// waits; after Save the scene file holds the new settings and the pictures
// are made with them.
TEST_F(FormBrowserTest, PreviewConfigureStoresTheSavedSettingsBeforeItPlays) {
  const fs::path scene = folder / "scene.txt", out = folder / "out";
  fs::copy_file(QUILLORA_SCENE, scene);
  const std::string command = std::string(QUILLORA_PREVIEW_FILE) + " --configure thanks_top --frames 30 --settings '" +
                              scene.string() + "' --out '" + out.string() + "'";
  FILE* preview = popen(command.c_str(), "r");
  ASSERT_TRUE(preview);
  std::string output, url;
  char line[4096];
  const std::string announce = "settings form of thanks_top: ";
  while (url.empty() && std::fgets(line, sizeof line, preview)) {
    output += line;
    const std::string text = line;
    if (text.starts_with(announce)) url = text.substr(announce.size(), text.find('\n') - announce.size());
  }
  if (!url.empty()) {
    EXPECT_TRUE(RunBrowser("save", url).Passed());
    EXPECT_FALSE(CancelIfOpen(url)) << "the form stayed open after Save";
  }
  while (std::fgets(line, sizeof line, preview)) output += line;
  EXPECT_EQ(pclose(preview), 0) << output;
  ASSERT_FALSE(url.empty()) << output;
  EXPECT_NE(output.find("configured thanks_top: saved"), std::string::npos) << output;
  EXPECT_NE(output.find("configured thanks_outlined: saved"), std::string::npos) << "the other source as before";

  std::string error;
  const std::unique_ptr<standin::SettingsElement> stored = standin::LoadSettings(scene.string(), &error);
  ASSERT_TRUE(stored) << error;
  auto& source = *static_cast<standin::SettingsElement*>(stored->GetElement(u"sources")->GetElement(u"thanks_top"));
  standin::SettingsElement& data = DataOf(source);
  EXPECT_EQ(data.GetInt(u"fontSize", 0), 72);
  EXPECT_EQ(static_cast<uint32_t>(data.GetInt(u"color", 0)), 0xFF3366CCu);
  EXPECT_EQ(data.GetInt(u"outline", 0), 1);
  EXPECT_EQ(Utf8(data.GetString(u"thanks_string", u"")), "多谢$sender$送的$num$个$gift$");
  EXPECT_EQ(source.GetFloat(u"cy", 0), data.GetFloat(u"baseSizeCY", -1));
  EXPECT_TRUE(fs::exists(out / "final.png"));
}

}  // namespace
}  // namespace form_testing
