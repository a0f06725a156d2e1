#include "module/scene_source/render_colors.h"

#include "module/scene_source/truncate_float.h"

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;

}  // namespace

uint32_t OpacityAlpha(uint32_t percent) { return (percent * 255u) / 100u << 24; }

uint32_t TextArgb(uint32_t color, uint32_t text_opacity) { return OpacityAlpha(text_opacity) | (color & kRgbMask); }

uint32_t BackgroundArgb(uint32_t background_color, uint32_t background_opacity, bool has_text) {
  return (has_text ? OpacityAlpha(background_opacity) : 0u) | (background_color & kRgbMask);
}

uint32_t OutlineArgb(uint32_t outline_color, uint32_t outline_opacity, uint32_t text_opacity) {
  const float fraction = (static_cast<float>(outline_opacity) * 0.01f) * (static_cast<float>(text_opacity) * 0.01f);
  const auto percent = static_cast<uint32_t>(TruncateToInt32(fraction * 100.0f));
  return OpacityAlpha(percent) | (outline_color & kRgbMask);
}
