#include "standins/host_program/preview_run.h"

#include <cstdio>
#include <filesystem>

#include "standins/host_program/contact_sheet.h"
#include "standins/host_program/frame_loop.h"
#include "standins/host_program/host_run.h"
#include "standins/host_program/room_animation.h"
#include "standins/host_program/scene_setup.h"

namespace {

bool WriteOutputs(const Image& last, const ContactSheet& sheet, RoomAnimation& animation, int64_t end_ms,
                  const std::filesystem::path& out) {
  std::string error;
  const std::string final_png = (out / "final.png").string(), strip_png = (out / "strip.png").string();
  const std::string room_webp = (out / "room.webp").string();
  if (!WritePng(last, final_png, &error) || !WritePng(sheet.Sheet(), strip_png, &error) ||
      !animation.Write(room_webp, end_ms, &error)) {
    Fail(error);
    return false;
  }
  std::printf("final frame: %s\nstrip:       %s (frames at", final_png.c_str(), strip_png.c_str());
  for (int frame : sheet.SampledFrames()) std::printf(" %.1f", double(FrameTimeMs(frame)) / 1000);
  std::printf(" s)\n");
  if (RoomAnimation::Supported()) std::printf("animation:   %s\n", room_webp.c_str());
  return true;
}

// From LoadPlugin to UnloadPlugin: the scene's sources configured, created,
// played on the frame clock and destroyed.
int PlayScene(const PreviewOptions& options, const CompanionClient& companion, const PluginModule& plugin) {
  std::optional<Scene> scene = SetUpScene(options, companion, plugin);
  if (!scene) return 1;
  ContactSheet sheet(options.frames, options.strip_frames, options.canvas_width, options.canvas_height);
  RoomAnimation animation(options.canvas_width, options.canvas_height);
  const Image last = PlayFrames(scene->sources, companion, options.frames, options.canvas_width,
                                options.canvas_height, sheet, animation);
  DestroySources(scene->sources);
  if (!standin::SaveSettings(*scene->settings, options.settings)) return Fail("cannot write " + options.settings);
  return WriteOutputs(last, sheet, animation, FrameTimeMs(options.frames), options.out) ? 0 : 1;
}

}  // namespace

int RunPreview(const PreviewOptions& options) {
  return RunHost(options, [&](const CompanionClient& companion, const PluginModule& plugin) {
    return PlayScene(options, companion, plugin);
  });
}
