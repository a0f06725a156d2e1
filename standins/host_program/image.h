#pragma once

// An RGBA picture (8 bits a channel, straight alpha, rows top first), what
// the preview composes the scene into and writes as PNG.

#include <cstdint>
#include <string>
#include <vector>

struct Image {
  Image() = default;
  Image(int w, int h, uint32_t rgba) : width(w), height(h), pixels(std::size_t(w) * h * 4) { Fill(rgba); }

  void Fill(uint32_t rgba);
  uint8_t* At(int x, int y) { return &pixels[(std::size_t(y) * width + x) * 4]; }
  const uint8_t* At(int x, int y) const { return &pixels[(std::size_t(y) * width + x) * 4]; }

  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
};

// A texture's pixels as the host keeps them: BGRA, straight alpha, rows top first.
struct BgraView {
  const uint8_t* pixels;
  int width;
  int height;
};

// Draws `texture` into the rectangle (x1, y1)-(x2, y2) of `target`, scaled
// bilinearly, modulated by `color` (ARGB), blended over what is there.
void DrawSprite(Image& target, const BgraView& texture, uint32_t color, float x1, float y1, float x2, float y2);

// `source` scaled (bilinear) into the rectangle at (x, y) of size w × h.
void DrawScaled(Image& target, const Image& source, int x, int y, int w, int h);

// The smallest rectangle holding every pixel that differs from `background`
// by more than `threshold` in any channel; width 0 when there is none.
struct InkBox {
  int x = 0, y = 0, width = 0, height = 0;
};
InkBox FindInk(const Image& image, uint32_t background_rgba, int threshold);

bool WritePng(const Image& image, const std::string& path, std::string* error);
bool ReadPng(const std::string& path, Image* image, std::string* error);
