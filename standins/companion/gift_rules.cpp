#include "standins/companion/gift_rules.h"

#include <array>

#include "standins/companion/text_utf.h"

namespace companion {

int64_t GiftValueLimit(int32_t gift_limit_mode) {
  constexpr std::array<int64_t, 5> kLimits{0, 1, 10, 100, 1000};
  if (gift_limit_mode <= 0) return kLimits.front();
  if (gift_limit_mode >= static_cast<int32_t>(kLimits.size())) return kLimits.back();
  return kLimits[static_cast<std::size_t>(gift_limit_mode)];
}

bool IsThanked(int32_t gift_limit_mode, int64_t unit_value) {
  return unit_value >= GiftValueLimit(gift_limit_mode);
}

std::u16string ComboText(int32_t sends) {
  if (sends < 2) return u"";
  return Ascii(std::to_string(sends)) + u"连击";
}

std::u16string FillThanks(std::u16string_view thanks_string, const ThanksFacts& facts) {
  const std::u16string num = Ascii(std::to_string(facts.count));
  const std::u16string combo = ComboText(facts.sends);
  const std::array<std::pair<std::u16string_view, std::u16string_view>, 4> kPlaceholders{{
      {u"$sender$", facts.sender},
      {u"$num$", num},
      {u"$gift$", facts.gift},
      {u"$combo$", combo},
  }};
  std::u16string line;
  std::size_t i = 0;
  while (i < thanks_string.size()) {
    bool filled = false;
    if (thanks_string[i] == u'$') {
      for (const auto& [placeholder, value] : kPlaceholders) {
        if (thanks_string.substr(i).starts_with(placeholder)) {
          line += value;
          i += placeholder.size();
          filled = true;
          break;
        }
      }
    }
    if (!filled) line += thanks_string[i++];
  }
  return line;
}

uint32_t RandomLineColor(int32_t random_mode_type, uint32_t seed, uint32_t index) {
  constexpr std::array<uint32_t, 8> kPalette{0xFF4040, 0xFF9000, 0xFFE040, 0x40FF60,
                                             0x40E0FF, 0x4080FF, 0xC060FF, 0xFF60C0};
  if (random_mode_type == 0) return kPalette[index % kPalette.size()];
  // splitmix64 of (seed, index): the same room gets the same colours.
  uint64_t z = (uint64_t{seed} << 32 | index) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  // Each channel in 64..255, so the text stays readable on a dark scene.
  uint32_t color = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    color |= (64 + static_cast<uint32_t>(z % 192)) << shift;
    z /= 192;
  }
  return color;
}

}  // namespace companion
