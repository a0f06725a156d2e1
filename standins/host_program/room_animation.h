#pragma once

// The room as an animated picture (room.webp), a frame every kFrameStep
// frames of the 60 fps scene. A frame that shows what the last one showed
// costs nothing: the last one's duration grows instead.

#include <cstdint>
#include <memory>
#include <string>

#include "standins/host_program/image.h"

class RoomAnimation {
 public:
  static constexpr int kFrameStep = 5;  // 12 pictures a second
  // False in a build without an animation encoder: Add and Write do nothing.
  static bool Supported();

  RoomAnimation(int width, int height);
  ~RoomAnimation();
  RoomAnimation(const RoomAnimation&) = delete;
  RoomAnimation& operator=(const RoomAnimation&) = delete;

  bool Samples(int frame) const { return frame % kFrameStep == 0; }
  // `canvas`, shown from `time_ms` on.
  void Add(const Image& canvas, int64_t time_ms);
  // Ends the animation at `end_ms` and writes it to `path` (whole or not at
  // all); false with *error set when it cannot.
  bool Write(const std::string& path, int64_t end_ms, std::string* error);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
