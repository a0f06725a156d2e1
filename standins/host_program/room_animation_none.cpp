// A build without libwebp writes no animation.

#include "standins/host_program/room_animation.h"

struct RoomAnimation::Impl {};

bool RoomAnimation::Supported() { return false; }
RoomAnimation::RoomAnimation(int, int) {}
RoomAnimation::~RoomAnimation() = default;
void RoomAnimation::Add(const Image&, int64_t) {}
bool RoomAnimation::Write(const std::string&, int64_t, std::string*) { return true; }
