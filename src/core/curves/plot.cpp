// Drawing a protection function on the time-current chart: the definite-time
// corner, the fixed user curves drawn through their stored points, and the
// sampled characteristic with its minimum time, definite-time cut and
// instantaneous drop. Also the legend and the defaults of a new function.

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/chart/chartx.h"
#include "core/curves/freliga.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

// Samples of one sampled curve, evenly spread over the pixel columns of the
// plot window.
constexpr int kAmostras = 1000;
// A time this long or longer stands for "does not operate" and is not drawn.
constexpr double kSemTempo = 90;
// Samples taken past the instantaneous pickup, the last one not drawn.
constexpr int kAposInstantaneo = 100;
// Without an instantaneous element the curve ends at this multiple of pickup.
constexpr double kFimSemInstantaneo = 100;
// A definite-time-only function is drawn only with a time below this.
constexpr double kTdefMaximo = 100;

bool finite(tPOINTX p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Definite-time element alone: an open corner at (idef, tdef), up to twice the
// time and right to twice the current, and its label, which is written
// whatever showlegend says because nothing else names the function.
void plot_definite(const tFRELIGA& f, tCHARTX& chart, double fator) {
  if (!(f.idef > 0 && std::isfinite(f.idef))) return;
  if (!(f.tdef > 0 && f.tdef < kTdefMaximo)) return;
  const double idef = f.idef * fator;
  chart.moveto(idef, f.tdef);
  chart.lineto(idef, std::min(2 * f.tdef, chart.limites.yh));
  chart.moveto(idef, f.tdef);
  chart.lineto(std::min(2 * idef, chart.limites.xh), f.tdef);
  const tPOINTX c = chart.rl2px(idef, f.tdef);
  if (!finite(c)) return;  // limits without a place on the log axes
  chart.textout(c.x + 10, c.y - 20, "%s:%ss/%sA", 0, false, f.alias, num2txt(f.tdef),
                num2txt(f.idef));
}

// A fixed user curve: its 16 points as stored, no scaling and no filtering.
// The chart itself leaves out points without a place on the log axes.
void plot_fixed(const tUSERCURVE& u, tCHARTX& chart, double fator) {
  for (int k = 0; k < 16; ++k) chart.pushline(u.amp[k] * fator, u.tim[k]);
  chart.flushline();
}

// Every other name: the characteristic sampled across the plot window, one
// sample a column of the chart's table, drawn from left to right. A sample
// without a time (an F6 table outside its range, a value that is not
// finite), of 90 s or more ("does not operate") or outside the limits is
// left out, and the line joins its neighbours. Sampling ends 100 samples
// past the instantaneous pickup (the flat part at tmin runs for 99 of them,
// about a tenth of the plot width) or, without an instantaneous element, at
// 100 x pickup.
void plot_sampled(const tFRELIGA& f, tCHARTX& chart, double fator) {
  const std::vector<double>& col = chart.colunas(kAmostras);
  const double W = chart.window.width();
  const double fim_inverso = kFimSemInstantaneo * f.cor_par * fator;
  const tCURVA_DE curva = curva_de(f.nom_cur);
  int countdown = kAposInstantaneo;
  for (int k = 0; k < kAmostras; ++k) {
    const double Ichart = col[k];
    if (f.cor_ins == 0 && Ichart > fim_inverso) break;
    // The function works in its own currents; the sample stands at the chart's.
    const double I = Ichart / fator;
    if (!std::isfinite(I)) continue;
    const double t = f.tempocurva(I, curva);
    if (t < 0) continue;
    if (I > f.cor_ins && f.cor_ins != 0 && --countdown == 0) break;
    const tPOINTX s{Ichart, t};
    if (s.y >= kSemTempo || !chart.limites.contains(s)) continue;
    chart.pushline(s, W * k / kAmostras + chart.window.xl);
  }
  chart.flushline();
}

}  // namespace

bool definite_only(const std::string& nom) {
  return nom == "NC-OFF" || nom == "OFF";
}

const tUSERCURVE* fixed_usercurve(const std::string& nom) {
  for (const tUSERCURVE& u : usercurves()) {
    if (u.nom == nom) return u.adj ? nullptr : &u;
  }
  return nullptr;
}

double tFRELIGA::tempocurva(double I) const {
  return tempocurva(I, curva_de(nom_cur));
}

double tFRELIGA::tempocurva(double I, const tCURVA_DE& curva) const {
  double t = calc(I, false, curva);
  if (t < 0) return -1;
  if (t == 0 || t > kSemTempo) t = kSemTempo;
  // The order below is the relay's: minimum time first, then the definite
  // time (which may go below tmin), then the instantaneous drop to tmin.
  if (t < tmin) t = tmin;
  if (I > idef && tdef > 0) t = std::min(t, tdef);
  if (I > cor_ins && cor_ins != 0) t = tmin;
  return std::isfinite(t) ? t : -1;
}

tPOINTX tFRELIGA::plot(tCHARTX& chart, double fator) const {
  if (definite_only(nom_cur)) {
    plot_definite(*this, chart, fator);
    return {-1, -1};
  }
  if (const tUSERCURVE* u = fixed_usercurve(nom_cur)) {
    plot_fixed(*u, chart, fator);
    return {u->amp[8] * fator, ptxt};
  }
  plot_sampled(*this, chart, fator);
  return {cor_par * fator, 1.0};
}

void tFRELIGA::drawto(tCHARTX& chart, const std::string& caption, double fator) const {
  const tPOINTX p = plot(chart, fator);
  if (!chart.showlegend || nom_cur == "NC-OFF") return;
  // A legend point without a place on the log axes would map to the surface's
  // corner. That is the anchor of the definite-time-only functions, whose
  // corner label already names them, and of a function without pickup, which
  // has no curve to label.
  const tPOINTX at{p.x, ptxt};
  if (!(at.x > 0 && at.y > 0 && finite(at)) || chart.canvas == nullptr) return;
  const tPOINTX px = chart.rl2px(at);
  if (!finite(px)) return;
  const std::string linha1 = fmt::sprintf("%s:%s/%sA", alias, num2txt(cor_par), num2txt(cor_ins));
  chart.textout(px.x, px.y, linha1, 1, false);
  const double th = chart.canvas->textheight(linha1);
  chart.textout(px.x, px.y + th, caption, 1, false);
}

void tFRELIGA::reset() {
  alias = "reset";
  nom_cur = "IEC-VI";
  cor_par = 1;
  cor_ins = 0;
  dt = 1;
  idef = 0;
  tdef = 0;
  tmin = 0;
  ptxt = 1;
}

}  // namespace tarvinel
