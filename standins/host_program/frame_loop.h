#pragma once

// The host's frames on a virtual 60 fps clock that also drives the
// companion's rooms: messages, refresh, draw, and the composed picture of
// the frames that are kept.

#include <vector>

#include "standins/companion/companion_client.h"
#include "standins/host_program/contact_sheet.h"
#include "standins/host_program/image.h"
#include "standins/host_program/room_animation.h"
#include "standins/host_program/scene.h"

// Milliseconds from the first frame to frame `index`.
int64_t FrameTimeMs(int index);

// Plays `frames` frames of `sources` onto a `width` × `height` canvas, adds
// the sampled ones to `sheet` and to `animation` and returns the last one.
Image PlayFrames(std::vector<SceneSource>& sources, const CompanionClient& companion, int frames, int width,
                 int height, ContactSheet& sheet, RoomAnimation& animation);
