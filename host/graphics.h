#pragma once

#include <cstdint>

#include "host/host_global.h"
#include "host/host_api_export.h"

// Colour format of MakeTexture: 8-bit blue, green, red, alpha in memory order.
constexpr int GS_BGRA = 6;
// Image format of UploadPixels: the same layout.
constexpr int GS_IMAGEFORMAT_BGRA = 9;

class HOST_API Texture {
 public:
  virtual ~Texture() = default;
  // Replaces every pixel from `pixels` during the call; `pitch` is the row
  // size in bytes. The texture keeps no reference to the memory. A texture
  // made static is never updated: the call only logs a warning.
  virtual void UploadPixels(const void* pixels, int image_format, unsigned pitch) = 0;
  virtual unsigned Width() const = 0;
  virtual unsigned Height() const = 0;
};

class HOST_API GraphicsSystem {
 public:
  virtual ~GraphicsSystem() = default;
  // Draws `texture` into the rectangle (x1, y1)-(x2, y2), modulated by `color`.
  virtual void DrawSprite(Texture* texture, uint32_t color, float x1, float y1, float x2, float y2) = 0;
  // Makes a texture that takes its first pixels from `pixels` during the call,
  // or returns null. The caller owns the texture. Only a texture that is not
  // static takes later uploads.
  virtual Texture* MakeTexture(unsigned width, unsigned height, int color_format, const void* pixels,
                               bool build_mipmaps, bool is_static) = 0;
};

// Set only while the host runs its output: null while LoadPlugin runs and in
// a configure callback outside output.
HOST_API extern const HostGlobal<GraphicsSystem> GS;
