#pragma once

// The scene of a live run, shared by the host's two threads: the render
// thread refreshes and draws the sources, the UI thread (which owns their
// windows) makes them reread their settings after a form was saved. One
// lock keeps the two apart, as the host's scene lock does.

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "standins/host_program/scene.h"

class LiveScene {
 public:
  // On the UI thread; `sources` are created and active, and outlive this.
  explicit LiveScene(std::vector<SceneSource>& sources);

  // Render thread: every source refreshed, then drawn where the scene puts it.
  void DrawFrame();
  // UI thread: the source named `name`, or null.
  SceneSource* Find(const std::string& name);
  // UI thread: after a saved form, the source rereads its settings and the
  // scene its place and size.
  void Reload(SceneSource& source);
  // The window number of the source named `name`, for the companion.
  std::optional<int32_t> WindowOf(const std::string& name) const;
  // [{"name","window","x","y","width","height"}, …] in scene order.
  std::string Json() const;

 private:
  struct Placed {
    std::string name;
    standin::HostedSource* image;
    int32_t window;
    Vect2 position, size;
  };
  static Placed Place(const SceneSource& source);

  std::vector<SceneSource>& sources_;
  mutable std::mutex mutex_;
  std::vector<Placed> placed_;
};
