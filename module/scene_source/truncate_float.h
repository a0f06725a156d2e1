#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// `value` converted toward zero to a signed 32-bit integer. Out of range it
// saturates and NaN gives 0, where a plain conversion would be undefined.
inline int32_t TruncateToInt32(float value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}
