#pragma once

// The host's render thread of a live run: 60 frames a second, each one the
// sources refreshed and drawn, the canvas composed and, while a page
// watches, every other frame encoded for it.

#include <atomic>
#include <functional>
#include <thread>

#include "standins/host_program/frame_store.h"
#include "standins/host_program/live_scene.h"

class RenderThread {
 public:
  // Starts rendering `scene` onto a `width` × `height` canvas into `frames`.
  // `interrupted` is looked at every frame; when it first holds,
  // `on_interrupt` runs on the render thread, which goes on drawing.
  RenderThread(LiveScene& scene, FrameStore& frames, int width, int height, const std::atomic<bool>& interrupted,
               std::function<void()> on_interrupt);
  // Stops and joins.
  ~RenderThread();
  RenderThread(const RenderThread&) = delete;
  RenderThread& operator=(const RenderThread&) = delete;

 private:
  void Run(int width, int height);

  LiveScene& scene_;
  FrameStore& frames_;
  const std::atomic<bool>& interrupted_;
  std::function<void()> on_interrupt_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};
