#pragma once
// Small helpers shared by the drawing routines of the setting kinds.

#include <cmath>

namespace tarvinel {

// A current or time has a place on the log-log chart only when it is positive
// and finite; anything else (0, negative, NaN, a value that overflowed) is
// left out instead of landing on the pixel origin as a stray mark.
inline bool noeixo(double v) {
  return std::isfinite(v) && v > 0;
}

// Integer part of a value for a "%d" label, truncated towards zero and
// clamped so that a huge value read from a damaged file never overflows.
inline long long inteiro(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9.0e18) return 9000000000000000000LL;
  if (v <= -9.0e18) return -9000000000000000000LL;
  return static_cast<long long>(v);
}

}  // namespace tarvinel
