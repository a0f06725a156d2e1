#pragma once

// The room's decisions about single gifts and lines, as pure functions.

#include <cstdint>
#include <string>
#include <string_view>

namespace companion {

// The least value of one gift that `gift_limit_mode` thanks: 0 for mode 0
// and below, then 1, 10, 100, and 1000 for mode 4 and above.
int64_t GiftValueLimit(int32_t gift_limit_mode);
bool IsThanked(int32_t gift_limit_mode, int64_t unit_value);

// What one thanks line says: `count` gifts in `sends` merged sends.
struct ThanksFacts {
  std::u16string_view sender;
  std::u16string_view gift;
  int64_t count = 1;
  int32_t sends = 1;
};

// "" for a single send, "<sends>连击" for a combo.
std::u16string ComboText(int32_t sends);

// `thanks_string` with $sender$, $num$, $gift$ and $combo$ filled in, in one
// pass: a placeholder inside a filled-in name stays as it is.
std::u16string FillThanks(std::u16string_view thanks_string, const ThanksFacts& facts);

// The colour of the `index`-th coloured line of a room, as 0xRRGGBB:
// RandomModeType 0 steps through a palette of bright colours, any other
// mode draws a bright colour from a sequence seeded by `seed`.
uint32_t RandomLineColor(int32_t random_mode_type, uint32_t seed, uint32_t index);

}  // namespace companion
