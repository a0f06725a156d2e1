#pragma once

// The scene's canvas: the host's background with the sprites drawn on it.

#include <vector>

#include "platform/hostapi/standin_host.h"
#include "preview/image.h"

inline constexpr uint32_t kSceneBackground = 0x1E2430FF;  // RGBA

// `canvas` filled with the background, then `sprites` drawn in order.
void ComposeScene(Image& canvas, const std::vector<standin::SpriteRecord>& sprites);

// Dispatches every message waiting for the calling thread's windows.
void PumpMessages();
