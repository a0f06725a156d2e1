#include "platform/posix/gdi/premultiplied_alpha.h"

#include <array>
#include <cstddef>

namespace gdi {
namespace {

using ChannelTable = std::array<std::array<uint8_t, 256>, 256>;  // [alpha][channel]

constexpr ChannelTable MakeTable(uint8_t (*convert)(unsigned alpha, unsigned channel)) {
  ChannelTable table{};
  for (unsigned alpha = 0; alpha < 256; ++alpha) {
    for (unsigned channel = 0; channel < 256; ++channel) table[alpha][channel] = convert(alpha, channel);
  }
  return table;
}

constexpr ChannelTable kPremultiply =
    MakeTable([](unsigned alpha, unsigned channel) { return static_cast<uint8_t>((channel * alpha + 127) / 255); });
constexpr ChannelTable kUnpremultiply = MakeTable([](unsigned alpha, unsigned channel) {
  if (alpha == 0) return uint8_t{0};
  const unsigned straight = (channel * 255 + alpha / 2) / alpha;
  return static_cast<uint8_t>(straight > 255 ? 255 : straight);
});

uint32_t ConvertPixel(const ChannelTable& table, uint32_t value) {
  const uint32_t alpha = value >> 24;
  if (alpha == 255) return value;
  if (alpha == 0) return 0;
  const auto& scale = table[alpha];
  return (value & 0xFF000000u) | uint32_t{scale[(value >> 16) & 0xFF]} << 16 |
         uint32_t{scale[(value >> 8) & 0xFF]} << 8 | scale[value & 0xFF];
}

// Applies `table` to the colour channels of every partly transparent pixel.
// Drawn text is mostly clear or opaque: runs of four such pixels are skipped
// with one test.
void Convert(const ChannelTable& table, uint8_t* rows, int width, int height, int stride) {
  for (int y = 0; y < height; ++y) {
    auto* pixel = reinterpret_cast<uint32_t*>(rows + static_cast<std::ptrdiff_t>(y) * stride);
    int x = 0;
    for (; x + 4 <= width; x += 4) {
      const uint32_t any = pixel[x] | pixel[x + 1] | pixel[x + 2] | pixel[x + 3];
      const uint32_t all = pixel[x] & pixel[x + 1] & pixel[x + 2] & pixel[x + 3];
      if (any == 0 || (all >> 24) == 255) continue;
      for (int i = x; i < x + 4; ++i) pixel[i] = ConvertPixel(table, pixel[i]);
    }
    for (; x < width; ++x) pixel[x] = ConvertPixel(table, pixel[x]);
  }
}

}  // namespace

void PremultiplyPixels(uint8_t* rows, int width, int height, int stride) {
  Convert(kPremultiply, rows, width, height, stride);
}

void UnpremultiplyPixels(uint8_t* rows, int width, int height, int stride) {
  Convert(kUnpremultiply, rows, width, height, stride);
}

}  // namespace gdi
