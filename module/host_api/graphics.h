#pragma once

#include <cstdint>
#include <new>

#include "module/host_api/host_api_export.h"
#include "module/host_api/host_global.h"

// Colour format of MakeTexture: 8-bit blue, green, red, alpha in memory order.
constexpr int GS_BGRA = 6;
// Image format of UploadPixels: the same layout.
constexpr int GS_IMAGEFORMAT_BGRA = 9;

// A texture of the host's graphics system. The object is the host's; its
// members are functions of the host's library.
class HOST_API Texture {
 public:
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;

  // Replaces every pixel from `pixels` during the call; `pitch` is the row
  // size in bytes. The texture keeps no reference to the memory. A texture
  // made static is never updated: the call only logs a warning.
  void UploadPixels(const void* pixels, int image_format, unsigned pitch);
  unsigned Width() const;
  unsigned Height() const;

  // `delete texture` hands the texture back to the graphics system that made
  // it, which destroys and frees it in its own way.
  static void operator delete(Texture* texture, std::destroying_delete_t);
  ~Texture() = default;

 protected:
  Texture() = default;
};

class HOST_API GraphicsSystem {
 public:
  GraphicsSystem(const GraphicsSystem&) = delete;
  GraphicsSystem& operator=(const GraphicsSystem&) = delete;

  // Draws `texture` into the rectangle (x1, y1)-(x2, y2), modulated by `color`.
  void DrawSprite(Texture* texture, uint32_t color, float x1, float y1, float x2, float y2);
  // Makes a texture that takes its first pixels from `pixels` during the call,
  // or returns null. The caller owns the texture. Only a texture that is not
  // static takes later uploads.
  Texture* MakeTexture(unsigned width, unsigned height, int color_format, const void* pixels, bool build_mipmaps,
                       bool is_static);

 protected:
  GraphicsSystem() = default;
  ~GraphicsSystem() = default;
};

// Set only while the host runs its output: null while LoadPlugin runs and in
// a configure callback outside output.
HOST_API extern const HostGlobal<GraphicsSystem> GS;
