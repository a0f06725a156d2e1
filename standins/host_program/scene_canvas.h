#pragma once

// The scene's canvas: the host's background with the sprites drawn on it.

#include <vector>

#include "standins/host_library/standin_host.h"
#include "standins/host_program/image.h"

inline constexpr uint32_t kSceneBackground = 0x1E2430FF;  // RGBA

// `canvas` filled with the background, then `sprites` drawn in order.
void ComposeScene(Image& canvas, const std::vector<standin::SpriteRecord>& sprites);

// Composes the scene only when its sprites differ from the last ones
// composed: between gifts most frames draw the same textures in the same
// places, and the canvas already shows them.
class SceneComposer {
 public:
  // True when `canvas` was composed afresh, false when it is left as the
  // last call made it.
  bool Compose(Image& canvas, const std::vector<standin::SpriteRecord>& sprites);

 private:
  struct Drawn {
    uint32_t color;
    float x1, y1, x2, y2;
    unsigned width, height;
    std::vector<unsigned char> pixels;
    bool operator==(const Drawn&) const = default;
  };
  std::vector<Drawn> last_;
  bool composed_ = false;
};

// Dispatches every message waiting for the calling thread's windows.
void PumpMessages();
