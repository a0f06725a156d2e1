#pragma once

// In-place conversion of 32-bit pixels (B, G, R, A bytes; rows `stride` bytes
// apart, `stride` a multiple of 4) between straight and premultiplied alpha,
// rounded both ways: premultiplied = (c * a + 127) / 255 as cairo computes
// it, straight = (p * 255 + a / 2) / a (at most 255), which gives back every
// colour that survived premultiplication. Fully transparent
// pixels become 0 and opaque ones are left as they are.

#include <cstdint>

namespace gdi {

void PremultiplyPixels(uint8_t* rows, int width, int height, int stride);
void UnpremultiplyPixels(uint8_t* rows, int width, int height, int stride);

}  // namespace gdi
