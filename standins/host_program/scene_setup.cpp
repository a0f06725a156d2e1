#include "standins/host_program/scene_setup.h"

#include <algorithm>
#include <cstdio>

#include "standins/host_program/host_run.h"

namespace {

// A face with Chinese glyphs, which the settings form "picks" for a source
// that has no font yet.
constexpr char16_t kFormFont[] = u"WenQuanYi Zen Hei";

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
  return type.callbacks->Configure(source.element, false);
}

void PrintFormAddress(int32_t, const char* url, void* context) {
  std::printf("settings form of %s: %s\n"
              "  open it in a browser; Save stores the settings, Cancel or closing the page keeps them\n",
              static_cast<const SceneSource*>(context)->name.c_str(), url);
  std::fflush(stdout);
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
    const bool accepted = in_browser ? ConfigureInBrowser(source, type, companion, PrintFormAddress, &source)
                                     : ConfigureScripted(source, type, companion);
    source.data = source.element->GetElement(u"data");
    std::printf("configured %s: %s\n", source.name.c_str(), accepted ? "saved" : "not saved");
  }
  return true;
}

}  // namespace

bool ConfigureInBrowser(SceneSource& source, const standin::RegisteredClass& type, const CompanionClient& companion,
                        CompanionFormOpenedFn opened, void* context) {
  companion.ServeForms(0, opened, context);
  const bool accepted = type.callbacks->Configure(source.element, false);
  companion.ServeForms(-1);
  return accepted;
}

void DestroySources(std::vector<SceneSource>& sources) {
  for (SceneSource& source : sources) {
    if (!source.image) continue;
    source.image->EndScene();
    source.image.reset();
  }
}

std::optional<Scene> SetUpScene(const PreviewOptions& options, const CompanionClient& companion,
                                const PluginModule& plugin) {
  std::printf("plug-in: %s — %s\n", standin::ToUtf8(plugin.Name()).c_str(),
              standin::ToUtf8(plugin.Description()).c_str());
  for (const auto& registered : standin::RegisteredClasses())
    std::printf("registered class: %s (%s)\n", standin::ToUtf8(registered.class_name).c_str(),
                standin::ToUtf8(registered.display_name).c_str());
  const std::optional<standin::RegisteredClass> type = FindClass(plugin.Name());
  if (!type) return Fail("the plug-in registered no source class"), std::nullopt;

  std::string error;
  Scene scene{standin::LoadSettings(options.settings, &error), {}, *type, nullptr};
  if (!scene.settings) return Fail(error), std::nullopt;
  std::vector<std::string> skipped;
  scene.sources = FindSources(*scene.settings, type->class_name, &skipped);
  for (const std::string& name : skipped) std::printf("skipped %s: not a thanks source\n", name.c_str());
  if (scene.sources.empty()) return Fail(options.settings + ": no thanks source in \"sources\""), std::nullopt;

  if (!ConfigureSources(scene.sources, options, *type, companion)) return std::nullopt;
  // What was saved in a form is kept even if the play fails.
  if (options.configure) {
    if (!standin::SaveSettings(*scene.settings, options.settings))
      return Fail("cannot write " + options.settings), std::nullopt;
    std::printf("settings stored in %s\n", options.settings.c_str());
  }
  scene.output = std::make_unique<standin::HostOutput>();
  for (SceneSource& source : scene.sources) {
    // A source is made from its settings, the "data" child.
    if (!source.data) source.data = source.element->CreateElement(u"data");
    source.image = type->callbacks->Create(source.data);
    if (!source.image) {
      DestroySources(scene.sources);
      return Fail("could not create " + source.name), std::nullopt;
    }
    source.image->UpdateSettings();
    source.image->BeginScene();
  }
  return scene;
}
