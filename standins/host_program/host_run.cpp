#include "standins/host_program/host_run.h"

#include <cstdio>
#include <filesystem>

#include "module/platform/gdiplus.h"
#include "module/platform/gdiplus_lock.h"
#include "standins/host_library/standin_host.h"

namespace {

// The host's own layout: the plug-in in plugins/, its companion in the
// plug-in's folder, under the name the runtime opens it by.
constexpr char kPluginFile[] = "plugins/" QUILLORA_PLUGIN_FILE_NAME;
constexpr char kCompanionFile[] = ".\\plugins\\QuilloraThanks\\Kelvaro.dll";

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

// How the rooms play the script: once on the frame clock, or in real time
// over and over (random gifts with --endless).
void SetUpRooms(const CompanionClient& companion, const PreviewOptions& options) {
  companion.UseManualClock(!options.live);
  companion.PlayGifts(!options.live ? 0 : options.endless ? 2 : 1);
}

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "preview: %s\n", message.c_str());
  return 1;
}

int RunHost(const PreviewOptions& options, const ScenePlay& play) {
  std::error_code error;
  std::filesystem::create_directories(options.out, error);
  const std::filesystem::path log = std::filesystem::path(options.out) / "host.log";
  std::filesystem::remove(log, error);
  standin::SetLogFile(log.string());
  standin::SetEcho(true);

  GdiplusSession gdiplus;
  if (!gdiplus.ok()) return Fail("GDI+ did not start");
  // Opened before the plug-in, so that the rooms run on their clock from the
  // first command on; closed after it.
  CompanionClient companion(kCompanionFile);
  if (!companion.ok()) return Fail(std::string("no companion at ") + kCompanionFile);
  SetUpRooms(companion, options);
  const int32_t malformed = companion.LoadGiftScript(options.script);
  if (malformed < 0) return Fail("cannot read the gift script " + options.script);
  if (malformed > 0) std::printf("%s: %d malformed lines skipped (see the log)\n", options.script.c_str(), malformed);

  PluginModule plugin(kPluginFile);
  if (!plugin.ok()) return Fail(std::string("no plug-in at ") + kPluginFile);
  if (!plugin.LoadPlugin()) return Fail("LoadPlugin failed");
  const int status = play(companion, plugin);
  plugin.UnloadPlugin();
  std::printf("host log:    %s\n", log.string().c_str());
  return status;
}
