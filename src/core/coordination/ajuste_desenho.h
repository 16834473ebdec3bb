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

}  // namespace tarvinel
