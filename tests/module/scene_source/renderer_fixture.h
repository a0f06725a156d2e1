#pragma once

// A thanks source to render with the real GDI+, and its texture's pixels.
// DisplayText is restored after each test.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "module/scene_source/display_text.h"
#include "module/scene_source/texture_renderer.h"
#include "module/scene_source/thanks_source.h"
#include "standins/host_library/standin_host.h"

namespace testing_support {

class RendererTest : public ::testing::Test {
 protected:
  RendererTest() : element_(u"data") {
    element_.SetInt(u"fontSize", 24);
    source_.reset(static_cast<QuilloraThanksImage*>(CreateThanksSource(&element_)));
  }
  void SetUp() override { standin::ClearMessagesAndLog(); }
  void TearDown() override { DisplayText() = saved_text_; }

  QuilloraThanksImage& Source() { return *source_; }
  void Render(const char16_t* text) {
    DisplayText() = text;
    UpdateTexture(source_.get());
  }

  const standin::MemoryTexture& Texture() const {
    EXPECT_NE(source_->texture, nullptr);
    return *static_cast<const standin::MemoryTexture*>(source_->texture);
  }
  // The pixel at (x, y) as ARGB.
  uint32_t Pixel(unsigned x, unsigned y) const {
    uint32_t value;
    std::memcpy(&value, Texture().Pixels().data() + (std::size_t{y} * Texture().Width() + x) * 4, 4);
    return value;
  }
  // Calls visit(x, y, pixel) for every pixel of the texture.
  void ForEachPixel(const std::function<void(unsigned, unsigned, uint32_t)>& visit) const {
    for (unsigned y = 0; y < Texture().Height(); ++y)
      for (unsigned x = 0; x < Texture().Width(); ++x) visit(x, y, Pixel(x, y));
  }
  int CountPixels(const std::function<bool(uint32_t)>& matches) const {
    int count = 0;
    ForEachPixel([&](unsigned, unsigned, uint32_t pixel) { count += matches(pixel) ? 1 : 0; });
    return count;
  }

 private:
  // Sources are made and drawn while the host's output runs.
  const standin::HostOutput output_;
  standin::SettingsElement element_;
  std::unique_ptr<QuilloraThanksImage> source_;
  const String saved_text_ = DisplayText();
};

inline unsigned Alpha(uint32_t argb) { return argb >> 24; }
inline unsigned Red(uint32_t argb) { return (argb >> 16) & 0xFF; }
inline unsigned Green(uint32_t argb) { return (argb >> 8) & 0xFF; }
inline unsigned Blue(uint32_t argb) { return argb & 0xFF; }

}  // namespace testing_support
