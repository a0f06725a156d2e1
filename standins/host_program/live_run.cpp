#include "standins/host_program/live_run.h"

#include <atomic>
#include <csignal>
#include <cstdio>

#include "standins/host_program/host_run.h"
#include "standins/host_program/live_forms.h"
#include "standins/host_program/live_scene.h"
#include "standins/host_program/live_server.h"
#include "standins/host_program/render_thread.h"
#include "standins/host_program/scene_canvas.h"
#include "standins/host_program/scene_setup.h"

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int) { interrupted = true; }

// How long the UI thread waits for a request between looks at its messages.
constexpr std::chrono::milliseconds kPumpInterval(2);

void FormOpened(int32_t, const char* url, void* context) {
  std::printf("settings form: %s\n", url);
  std::fflush(stdout);
  static_cast<LiveForms*>(context)->Opened(url);
}

// On the UI thread: the person edits the source's settings while the scene
// plays on; a Save reaches the source and the scene file.
void Configure(const std::string& name, const Scene& scene, LiveScene& live, LiveForms& forms,
               const CompanionClient& companion, const std::string& settings_file) {
  SceneSource* source = live.Find(name);
  const bool saved = source && ConfigureInBrowser(*source, scene.type, companion, FormOpened, &forms);
  forms.Closed();
  if (!source) return;
  std::printf("configured %s: %s\n", name.c_str(), saved ? "saved" : "not saved");
  std::fflush(stdout);
  if (!saved) return;
  live.Reload(*source);
  if (!standin::SaveSettings(*scene.settings, settings_file)) Fail("cannot write " + settings_file);
}

int PlayLive(const PreviewOptions& options, const CompanionClient& companion, const PluginModule& plugin) {
  std::optional<Scene> scene = SetUpScene(options, companion, plugin);
  if (!scene) return 1;
  LiveScene live(scene->sources);
  LiveForms forms;
  FrameStore frames;
  int status = 0;
  {
    LiveHandlers handlers{[&] { return live.Json(); }, [&](const std::string& name) { return forms.Request(name); },
                          [&](const std::string& name) {
                            const std::optional<int32_t> window = live.WindowOf(name);
                            return window && companion.SendSampleGift(*window) == 0;
                          }};
    const std::unique_ptr<web::LoopbackServer> server = StartLiveServer(frames, std::move(handlers));
    if (!server->ok()) {
      status = Fail("the live page cannot listen on 127.0.0.1");
    } else {
      std::printf("live page: %s\n  open it in a browser; Ctrl-C ends the preview\n", server->Url().c_str());
      std::fflush(stdout);
      RenderThread render(live, frames, options.canvas_width, options.canvas_height, interrupted,
                          [&] { forms.CancelAll(); });
      while (!interrupted) {
        PumpMessages();
        if (const std::optional<std::string> name = forms.Next(kPumpInterval))
          Configure(*name, *scene, live, forms, companion, options.settings);
      }
      std::printf("\nending the live preview\n");
    }
    // The render thread has stopped; waiting pages are let go before the
    // server stops.
    frames.Close();
  }
  DestroySources(scene->sources);
  if (!standin::SaveSettings(*scene->settings, options.settings)) return Fail("cannot write " + options.settings);
  return status;
}

}  // namespace

int RunLive(const PreviewOptions& options) {
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  return RunHost(options, [&](const CompanionClient& companion, const PluginModule& plugin) {
    return PlayLive(options, companion, plugin);
  });
}
