#pragma once

// Merging of repeated gifts into combos: the same sender sending the same
// gift again within the merge window adds to the open combo, which closes
// (and becomes one thanks line) once the window passes with no new send.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "standins/companion/gift_script.h"

namespace companion {

struct Combo {
  std::u16string sender;
  std::u16string gift;
  int64_t count = 0;   // gifts in all merged sends
  int32_t sends = 0;   // merged sends
  int64_t last_ms = 0; // time of the latest send
};

class ComboTracker {
 public:
  // A send at `event.at_ms` merges into the open combo of the same sender
  // and gift whose latest send is at most `window_ms` earlier.
  void Add(const GiftEvent& event, int64_t window_ms);
  // When the next open combo closes: `window_ms` after its latest send.
  std::optional<int64_t> NextClose(int64_t window_ms) const;
  // The combos closed by `now_ms`, by closing time, ties in opening order.
  std::vector<Combo> TakeClosed(int64_t now_ms, int64_t window_ms);

 private:
  std::vector<Combo> open_;  // in opening order
};

}  // namespace companion
