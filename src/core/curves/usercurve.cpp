// The 16-point time-current table shared by the F6 tables and the user curves,
// and the program's list of user curves.

#include <cmath>

#include "core/curves/freliga.h"

namespace tarvinel {

std::vector<tUSERCURVE>& usercurves() {
  // Filled by the settings store at start and written back by it at the end;
  // the curve editor appends, edits and deletes in between.
  static std::vector<tUSERCURVE> lista;
  return lista;
}

std::uint64_t usercurves_digest() {
  std::uint64_t h = 1469598103934665603ull;  // FNV-1a over the bytes below
  auto bytes = [&h](const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ull;
  };
  auto real = [&](double v) { bytes(&v, sizeof v); };
  const std::size_t n = usercurves().size();
  bytes(&n, sizeof n);
  for (const tUSERCURVE& u : usercurves()) {
    const std::size_t k = u.nom.size();
    bytes(&k, sizeof k);
    bytes(u.nom.data(), k);
    for (double v : u.tim) real(v);
    for (double v : u.amp) real(v);
    real(u.ip);
    real(u.dt);
    const unsigned char adj = u.adj ? 1 : 0;
    bytes(&adj, 1);
  }
  return h;
}

void tUSERCURVE::init() {
  nom = "nova curva";
  ip = 1;
  dt = 1;
  adj = true;
  // 1 A / 10 s down to 20 A / 0.625 s, currents evenly spaced in logarithm.
  for (int i = 0; i < 16; ++i) {
    tim[i] = 10.0 / (i + 1);
    amp[i] = std::pow(20.0, i / 15.0);
  }
}

double tUSERCURVE::calc(double ic_ip) const {
  // The scaled table is Ai = amp[i] / ip, Ti = tim[i] / dt. Only the points
  // around x are scaled, and each by the same division, so the comparisons
  // see exactly the values of the whole scaled table.
  if (ip == 0 || dt == 0) return 0;
  const double x = ic_ip;
  // Below the pickup nothing operates, even where the table starts below 1.
  if (x < 1 || x < amp[0] / ip) return 0;
  int i = 1;
  double ai = 0;
  for (; i < 16; ++i) {
    ai = amp[i] / ip;
    if (ai > x) break;
  }
  if (i == 16) return 0;  // at or beyond the last point (or x is NaN)
  const double a0 = amp[i - 1] / ip;
  const double t0 = tim[i - 1] / dt;
  const double t1 = tim[i] / dt;
  // Linear current fraction, weighted logarithmically: g runs 0..1 along the
  // interval as log2(1 + f).
  const double f = (x - a0) / (ai - a0);
  const double g = std::log10(1 + f) / std::log10(2.0);
  const double t = t0 + (t1 - t0) * g;
  return std::isfinite(t) ? t : 0;
}

}  // namespace tarvinel
