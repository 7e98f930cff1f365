// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/int128.h"

#include <cmath>
#include <limits>

namespace kelpmark {

int64_t saturate64(int128 v) {
  constexpr int128 hi = std::numeric_limits<int64_t>::max();
  constexpr int128 lo = std::numeric_limits<int64_t>::min();
  if (v > hi) return std::numeric_limits<int64_t>::max();
  if (v < lo) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(v);
}

int32_t saturate32(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

int64_t divRoundHalfEven(int128 num, int128 den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  int128 q = num / den;  // truncates toward zero
  int128 r = num % den;  // same sign as num
  if (r != 0) {
    int128 twice = (r < 0 ? -r : r) * 2;
    bool awayFromZero = twice > den || (twice == den && (q % 2 != 0));
    if (awayFromZero) q += (num < 0) ? -1 : 1;
  }
  return saturate64(q);
}

int32_t roundToInt32(double v) {
  if (std::isnan(v)) return 0;
  double r = std::nearbyint(v);
  if (r >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

int64_t roundToInt64(double v) {
  if (std::isnan(v)) return 0;
  double r = std::nearbyint(v);
  if (r >= 9223372036854775807.0) return std::numeric_limits<int64_t>::max();
  if (r <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(r);
}

}  // namespace kelpmark
