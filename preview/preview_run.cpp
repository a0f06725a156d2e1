#include "preview/preview_run.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "companion/companion_client.h"
#include "platform/gdiplus.h"
#include "platform/gdiplus_lock.h"
#include "preview/contact_sheet.h"
#include "preview/frame_loop.h"
#include "preview/plugin_module.h"
#include "preview/scene.h"

namespace {

// The host's own layout: the plug-in in plugins/, its companion in the
// plug-in's folder, under the name the runtime opens it by.
constexpr char kPluginFile[] = "plugins/" QUILLORA_PLUGIN_FILE_NAME;
constexpr char kCompanionFile[] = ".\\plugins\\QuilloraThanks\\Kelvaro.dll";
// A face with Chinese glyphs, which the settings form "picks" for a source
// that has no font yet.
constexpr char16_t kFormFont[] = u"WenQuanYi Zen Hei";

int Fail(const std::string& message) {
  std::fprintf(stderr, "preview: %s\n", message.c_str());
  return 1;
}

// The host starts GDI+ for the whole process; the plug-in never does.
class GdiplusSession {
 public:
  GdiplusSession() {
    platform::GdiplusGuard lock;
    ok_ = gdiplus::Startup(&token_) == gdiplus::Ok;
  }
  ~GdiplusSession() {
    platform::GdiplusGuard lock;
    if (ok_) gdiplus::Shutdown(token_);
  }
  bool ok() const { return ok_; }

 private:
  uintptr_t token_ = 0;
  bool ok_ = false;
};

std::optional<standin::RegisteredClass> FindClass(const std::u16string& name) {
  for (const auto& registered : standin::RegisteredClasses())
    if (registered.class_name == name) return registered;
  return std::nullopt;
}

// The user opens each source's properties and saves the form.
bool ConfigureScripted(SceneSource& source, const standin::RegisteredClass& type, const CompanionClient& companion) {
  companion.QueueFormAnswer(0);
  const XElement* data = source.element->GetElement(u"data");
  if (!data || !data->GetString(u"font", nullptr)) companion.QueueFormMessage(102, std::u16string(u"font|") + kFormFont);
  return type.configure(source.element, false);
}

void PrintFormAddress(int32_t, const char* url, void* context) {
  std::printf("settings form of %s: %s\n"
              "  open it in a browser; Save stores the settings, Cancel or closing the page keeps them\n",
              static_cast<const SceneSource*>(context)->name.c_str(), url);
  std::fflush(stdout);
}

// A person opens the source's properties: the form is served to a browser
// and the preview waits for its answer.
bool ConfigureInBrowser(SceneSource& source, const standin::RegisteredClass& type, const CompanionClient& companion) {
  companion.ServeForms(0, PrintFormAddress, &source);
  const bool accepted = type.configure(source.element, false);
  companion.ServeForms(-1);
  return accepted;
}

// Every source is configured, as a host does when a source is added; those
// that --configure names (all, when it names none) through the browser.
bool ConfigureSources(std::vector<SceneSource>& sources, const PreviewOptions& options,
                      const standin::RegisteredClass& type, const CompanionClient& companion) {
  for (const std::string& name : options.configure_sources) {
    if (std::none_of(sources.begin(), sources.end(), [&](const SceneSource& s) { return s.name == name; })) {
      Fail(options.settings + ": no thanks source named " + name);
      return false;
    }
  }
  for (SceneSource& source : sources) {
    const auto& named = options.configure_sources;
    const bool in_browser =
        options.configure && (named.empty() || std::find(named.begin(), named.end(), source.name) != named.end());
    const bool accepted =
        in_browser ? ConfigureInBrowser(source, type, companion) : ConfigureScripted(source, type, companion);
    source.data = source.element->GetElement(u"data");
    std::printf("configured %s: %s\n", source.name.c_str(), accepted ? "saved" : "not saved");
  }
  return true;
}

void Destroy(std::vector<SceneSource>& sources) {
  for (SceneSource& source : sources) {
    if (!source.image) continue;
    source.image->DeactivateInScene();
    delete source.image;
    source.image = nullptr;
  }
}

bool WriteOutputs(const Image& last, const ContactSheet& sheet, const std::filesystem::path& out) {
  std::string error;
  const std::string final_png = (out / "final.png").string(), strip_png = (out / "strip.png").string();
  if (!WritePng(last, final_png, &error) || !WritePng(sheet.Sheet(), strip_png, &error)) {
    Fail(error);
    return false;
  }
  std::printf("final frame: %s\nstrip:       %s (frames at", final_png.c_str(), strip_png.c_str());
  for (int frame : sheet.SampledFrames()) std::printf(" %.1f", double(FrameTimeMs(frame)) / 1000);
  std::printf(" s)\n");
  return true;
}

// From LoadPlugin to UnloadPlugin: the scene's sources configured, created,
// played and destroyed.
int PlayScene(const PreviewOptions& options, const CompanionClient& companion, const PluginModule& plugin) {
  std::printf("plug-in: %s — %s\n", standin::ToUtf8(plugin.Name()).c_str(),
              standin::ToUtf8(plugin.Description()).c_str());
  for (const auto& registered : standin::RegisteredClasses())
    std::printf("registered class: %s (%s)\n", standin::ToUtf8(registered.class_name).c_str(),
                standin::ToUtf8(registered.display_name).c_str());
  const std::optional<standin::RegisteredClass> type = FindClass(plugin.Name());
  if (!type) return Fail("the plug-in registered no source class");

  std::string error;
  std::unique_ptr<standin::SettingsElement> settings = standin::LoadSettings(options.settings, &error);
  if (!settings) return Fail(error);
  std::vector<std::string> skipped;
  std::vector<SceneSource> sources = FindSources(*settings, type->class_name, &skipped);
  for (const std::string& name : skipped) std::printf("skipped %s: not a thanks source\n", name.c_str());
  if (sources.empty()) return Fail(options.settings + ": no thanks source in \"sources\"");

  if (!ConfigureSources(sources, options, *type, companion)) return 1;
  // What was saved in a form is kept even if the play fails.
  if (options.configure) {
    if (!standin::SaveSettings(*settings, options.settings)) return Fail("cannot write " + options.settings);
    std::printf("settings stored in %s\n", options.settings.c_str());
  }
  for (SceneSource& source : sources) {
    source.image = type->create(source.data);
    if (!source.image) {
      Destroy(sources);
      return Fail("could not create " + source.name);
    }
    source.image->ReloadSettings();
    source.image->ActivateInScene();
  }

  ContactSheet sheet(options.frames, options.strip_frames, options.canvas_width, options.canvas_height);
  const Image last =
      PlayFrames(sources, companion, options.frames, options.canvas_width, options.canvas_height, sheet);
  Destroy(sources);
  if (!standin::SaveSettings(*settings, options.settings)) return Fail("cannot write " + options.settings);
  return WriteOutputs(last, sheet, options.out) ? 0 : 1;
}

}  // namespace

int RunPreview(const PreviewOptions& options) {
  std::error_code error;
  std::filesystem::create_directories(options.out, error);
  const std::filesystem::path log = std::filesystem::path(options.out) / "host.log";
  std::filesystem::remove(log, error);
  standin::SetLogFile(log.string());
  standin::SetEcho(true);

  GdiplusSession gdiplus;
  if (!gdiplus.ok()) return Fail("GDI+ did not start");
  // Opened before the plug-in, so that the rooms run on the frame clock from
  // the first command on; closed after it.
  CompanionClient companion(kCompanionFile);
  if (!companion.ok()) return Fail(std::string("no companion at ") + kCompanionFile);
  companion.UseManualClock(true);
  const int32_t malformed = companion.LoadGiftScript(options.script);
  if (malformed < 0) return Fail("cannot read the gift script " + options.script);
  if (malformed > 0) std::printf("%s: %d malformed lines skipped (see the log)\n", options.script.c_str(), malformed);

  PluginModule plugin(kPluginFile);
  if (!plugin.ok()) return Fail(std::string("no plug-in at ") + kPluginFile);
  if (!plugin.LoadPlugin()) return Fail("LoadPlugin failed");
  const int status = PlayScene(options, companion, plugin);
  plugin.UnloadPlugin();
  std::printf("host log:    %s\n", log.string().c_str());
  return status;
}
