#include "core/foundation/tipos.h"

#include <fmt/printf.h>

#include <cmath>
#include <numbers>

namespace tarvinel {

namespace {
int trunc_int(double v) {
  if (!(v > -2147483648.0)) return v != v ? 0 : INT32_MIN;  // NaN and low overflow
  if (!(v < 2147483648.0)) return INT32_MAX;
  return static_cast<int>(v);
}
}  // namespace

tRECTI tRECTX::asrect() const {
  return {trunc_int(xl), trunc_int(yl), trunc_int(xh), trunc_int(yh)};
}

tCPLX operator+(tCPLX a, tCPLX b) {
  return {a.r + b.r, a.x + b.x};
}
tCPLX operator*(tCPLX a, double k) {
  return {a.r * k, a.x * k};
}
tCPLX operator*(double k, tCPLX a) {
  return {a.r * k, a.x * k};
}
tCPLX operator*(tCPLX a, tCPLX b) {
  return {a.r * b.r - a.x * b.x, a.r * b.x + b.r * a.x};
}
tCPLX operator/(double k, tCPLX a) {
  const double d = a.r * a.r + a.x * a.x;
  return {k * a.r / d, -k * a.x / d};
}

double tCPLX::magnitude() const {
  // Scaled so that neither square overflows nor underflows.
  const double ar = std::abs(r), ax = std::abs(x);
  const double m = std::max(ar, ax), s = std::min(ar, ax);
  if (m == 0) return 0;
  const double q = s / m;
  return m * std::sqrt(1 + q * q);
}

double tCPLX::fa() const {
  if (x == 0) return 1;
  return std::sqrt(1 + 2 * std::exp(-2 * std::numbers::pi * r / x));
}

std::string tCPLX::tostr() const {
  return fmt::sprintf("%.3f+j%.2f (%.3f|%.1f°)", r, x, magnitude(),
                      std::atan2(x, r) * 180 / std::numbers::pi);
}

std::string cor2txt(tCOR c) {
  return fmt::sprintf("$%06X", static_cast<std::uint32_t>(c));
}

}  // namespace tarvinel
