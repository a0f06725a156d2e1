#include "standins/host_program/image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

using Rgba = std::array<float, 4>;  // premultiplied, 0..1

// Interpolating premultiplied colours keeps transparent texels from darkening
// the edges of the glyphs.
template <class Fetch>
Rgba Bilinear(Fetch fetch, int width, int height, float u, float v) {
  const float fx = std::clamp(u, 0.0f, float(width - 1));
  const float fy = std::clamp(v, 0.0f, float(height - 1));
  const int x0 = int(fx), y0 = int(fy);
  const int x1 = std::min(x0 + 1, width - 1), y1 = std::min(y0 + 1, height - 1);
  const float tx = fx - x0, ty = fy - y0;
  const Rgba a = fetch(x0, y0), b = fetch(x1, y0), c = fetch(x0, y1), d = fetch(x1, y1);
  Rgba out{};
  for (int i = 0; i < 4; ++i)
    out[i] = (a[i] * (1 - tx) + b[i] * tx) * (1 - ty) + (c[i] * (1 - tx) + d[i] * tx) * ty;
  return out;
}

Rgba Premultiplied(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  const float alpha = a / 255.0f;
  return {r / 255.0f * alpha, g / 255.0f * alpha, b / 255.0f * alpha, alpha};
}

// `source` (premultiplied) over the straight RGBA pixel `target`.
void BlendOver(uint8_t* target, const Rgba& source) {
  // Nothing over a pixel that shows: it stays as it is (the sum below gives
  // back its own values). Most of a text sprite is nothing.
  if (source[3] == 0 && target[3] != 0) return;
  const float keep = 1 - source[3];
  const float target_alpha = target[3] / 255.0f;
  const float alpha = source[3] + target_alpha * keep;
  for (int i = 0; i < 3; ++i) {
    const float premultiplied = source[i] + target[i] / 255.0f * target_alpha * keep;
    target[i] = uint8_t(std::lround(alpha > 0 ? premultiplied / alpha * 255 : 0));
  }
  target[3] = uint8_t(std::lround(alpha * 255));
}

// Calls `draw(x, y, u, v)` for each pixel of `target` whose centre lies in
// the rectangle, with (u, v) that centre in the source's pixel space.
template <class Draw>
void ForEachCovered(Image& target, float x1, float y1, float x2, float y2, int source_width, int source_height,
                    Draw draw) {
  if (x1 == x2 || y1 == y2) return;
  const int left = std::max(0, int(std::ceil(std::min(x1, x2) - 0.5f)));
  const int right = std::min(target.width, int(std::ceil(std::max(x1, x2) - 0.5f)));
  const int top = std::max(0, int(std::ceil(std::min(y1, y2) - 0.5f)));
  const int bottom = std::min(target.height, int(std::ceil(std::max(y1, y2) - 0.5f)));
  for (int y = top; y < bottom; ++y) {
    const float v = (y + 0.5f - y1) / (y2 - y1) * source_height - 0.5f;
    for (int x = left; x < right; ++x) draw(x, y, (x + 0.5f - x1) / (x2 - x1) * source_width - 0.5f, v);
  }
}

}  // namespace

void Image::Fill(uint32_t rgba) {
  if (pixels.size() < 4) return;
  // The first pixel, then what is filled copied after itself, doubling: the
  // canvas is filled for every frame composed.
  const uint8_t bytes[4] = {uint8_t(rgba >> 24), uint8_t(rgba >> 16), uint8_t(rgba >> 8), uint8_t(rgba)};
  std::memcpy(pixels.data(), bytes, sizeof bytes);
  const std::size_t size = pixels.size() / 4 * 4;
  for (std::size_t filled = 4; filled < size; filled *= 2)
    std::memcpy(pixels.data() + filled, pixels.data(), std::min(filled, size - filled));
}

void DrawSprite(Image& target, const BgraView& texture, uint32_t color, float x1, float y1, float x2, float y2) {
  if (texture.width <= 0 || texture.height <= 0) return;
  const Rgba tint{((color >> 16) & 0xFF) / 255.0f, ((color >> 8) & 0xFF) / 255.0f, (color & 0xFF) / 255.0f,
                  (color >> 24) / 255.0f};
  const auto fetch = [&](int x, int y) {
    const uint8_t* p = texture.pixels + (std::size_t(y) * texture.width + x) * 4;
    if (p[3] == 0) return Rgba{};
    return Premultiplied(p[2], p[1], p[0], p[3]);
  };
  ForEachCovered(target, x1, y1, x2, y2, texture.width, texture.height, [&](int x, int y, float u, float v) {
    Rgba texel = Bilinear(fetch, texture.width, texture.height, u, v);
    for (int i = 0; i < 3; ++i) texel[i] *= tint[i] * tint[3];
    texel[3] *= tint[3];
    BlendOver(target.At(x, y), texel);
  });
}

void DrawScaled(Image& target, const Image& source, int x, int y, int w, int h) {
  const auto fetch = [&](int sx, int sy) {
    const uint8_t* p = source.At(sx, sy);
    return Premultiplied(p[0], p[1], p[2], p[3]);
  };
  ForEachCovered(target, float(x), float(y), float(x + w), float(y + h), source.width, source.height,
                 [&](int tx, int ty, float u, float v) {
                   BlendOver(target.At(tx, ty), Bilinear(fetch, source.width, source.height, u, v));
                 });
}

InkBox FindInk(const Image& image, uint32_t background_rgba, int threshold) {
  const int background[4] = {int(background_rgba >> 24), int((background_rgba >> 16) & 0xFF),
                             int((background_rgba >> 8) & 0xFF), int(background_rgba & 0xFF)};
  int left = image.width, top = image.height, right = -1, bottom = -1;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = image.At(x, y);
      bool ink = false;
      for (int i = 0; i < 4; ++i) ink = ink || std::abs(p[i] - background[i]) > threshold;
      if (!ink) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}
