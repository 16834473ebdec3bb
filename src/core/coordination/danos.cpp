#include "core/coordination/danos.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_desenho.h"
#include "core/coordination/ajuste_marcas.h"

namespace tarvinel {

namespace {

// Thermal part of every category ("infrequent faults"), per unit of the
// rated current: straight log-log lines through these points, then
// t = 1250 / I^2 above the last one.
constexpr tPOINTX kTermica[] = {{2, 1800}, {3, 300}, {4.75, 60}, {6.3, 30}, {11.3, 10}};
constexpr double kFimTabela = 11.3;
constexpr double kI2T = 1250;
// Frequent faults: where the curve leaves the thermal part, per unit of
// 1 / Z, and its I^2 t in per unit of 1 / Z^2.
constexpr double kQuebraII = 0.7;
constexpr double kQuebraIIIeIV = 0.5;
constexpr double kI2TFrequente = 2;
// Neutral side of a delta-wye transformer: a secondary phase-to-ground fault
// seen from the primary.
constexpr double kNeutro = 0.58;

// Time of the thermal part at i >= 2 pu.
double termico(double i) {
  if (i > kFimTabela) return kI2T / (i * i);
  static const tCURVA tabela(std::begin(kTermica), std::end(kTermica));
  return tempo_curva(tabela, i);
}

// Appends the thermal part from 2 pu to `fim` (> 2). At 11.3 pu the table
// (10 s) hands over to 1250 / I^2 (9.79 s): both points are kept.
void termica(tCURVA& c, double fim) {
  for (const tPOINTX& p : kTermica) {
    if (p.x >= fim) break;
    c.push_back(p);
  }
  if (fim > kFimTabela) c.push_back({kFimTabela, kI2T / (kFimTabela * kFimTabela)});
  c.push_back({fim, termico(fim)});
}

struct tCONDUTOR {
  double beta;  // K
  double qc;    // J/(K mm^3)
  double rho;   // ohm mm at 20 C
};
constexpr tCONDUTOR kCobre{234.5, 3.45e-3, 17.241e-6};
constexpr tCONDUTOR kAluminio{228, 2.5e-3, 28.264e-6};
// The adiabatic formula holds up to about 5 s.
constexpr double kTempoMaximoCabo = 5;

// Text of a voltage: two decimals, three when the third is not 0.
std::string tensao2txt(double kv) {
  std::string s = fmt::sprintf("%.3f", kv);
  if (s.size() > 1 && s.back() == '0') s.pop_back();
  return s;
}

// The part of the segment a-b (log coordinates) inside the box, as the
// parameters [t0, t1] along it; false when no part is inside.
bool cortaseg(tPOINTX a, tPOINTX b, const tRECTX& box, double* t0, double* t1) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.xl, box.xh - a.x, a.y - box.yl, box.yh - a.y};
  *t0 = 0;
  *t1 = 1;
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double r = q[k] / p[k];
    if (p[k] < 0)
      *t0 = std::max(*t0, r);
    else
      *t1 = std::min(*t1, r);
  }
  return *t0 <= *t1;
}

}  // namespace

tCURVA recorta(const tCURVA& c, const tRECTX& lim) {
  tCURVA r;
  if (!noeixo(lim.xl) || !noeixo(lim.xh) || !noeixo(lim.yl) || !noeixo(lim.yh)) return r;
  const tRECTX box{std::log10(lim.xl), std::log10(lim.xh), std::log10(lim.yl), std::log10(lim.yh)};
  auto emlog = [](tPOINTX p) { return tPOINTX{std::log10(p.x), std::log10(p.y)}; };
  auto delog = [](tPOINTX a, tPOINTX b, double t) {
    return tPOINTX{std::pow(10.0, a.x + (b.x - a.x) * t), std::pow(10.0, a.y + (b.y - a.y) * t)};
  };
  if (c.size() == 1 && lim.contains(c[0])) r.push_back(c[0]);
  for (std::size_t k = 1; k < c.size(); ++k) {
    if (!noeixo(c[k - 1].x) || !noeixo(c[k - 1].y) || !noeixo(c[k].x) || !noeixo(c[k].y)) continue;
    const tPOINTX a = emlog(c[k - 1]);
    const tPOINTX b = emlog(c[k]);
    double t0 = 0;
    double t1 = 1;
    if (!cortaseg(a, b, box, &t0, &t1)) {
      if (!r.empty()) break;  // left the box
      continue;
    }
    // Vertices inside are kept exactly as given, not through log and back.
    if (r.empty()) r.push_back(t0 == 0 ? c[k - 1] : delog(a, b, t0));
    r.push_back(t1 == 1 ? c[k] : delog(a, b, t1));
    if (t1 < 1) break;
  }
  return r;
}

void desenha_curva(tCHARTX& chart, const tCURVA& c) {
  const tCURVA r = recorta(c, chart.limites);
  if (r.size() < 2) return;
  for (const tPOINTX& p : r) chart.pushline(p);
  chart.flushline();
}

int categoria_trafo(double kva) {
  if (kva <= 500) return 1;
  if (kva <= 5000) return 2;
  if (kva <= 30000) return 3;
  return 4;
}

tCURVA dano_pu(int categoria, bool frequente, double zt, double zs) {
  if (!noeixo(zt)) return {};
  const double z = categoria >= 3 && noeixo(zs) ? zt + zs : zt;
  const double fim = 1 / z;
  if (!(fim > kTermica[0].x) || !std::isfinite(fim)) return {};
  tCURVA c;
  const double quebra = (categoria == 2 ? kQuebraII : kQuebraIIIeIV) / z;
  const double k = kI2TFrequente / (z * z);
  // Below 4 % (category II) the frequent-fault line lies above the thermal
  // part, which then is the whole curve: the curve is the lower of the two.
  if (!frequente || categoria < 2 ||
      (quebra > kTermica[0].x && termico(quebra) <= k / (quebra * quebra))) {
    termica(c, fim);
    return c;
  }
  if (quebra > kTermica[0].x) {
    termica(c, quebra);
    c.push_back({quebra, k / (quebra * quebra)});
  } else {
    c.push_back({kTermica[0].x, k / (kTermica[0].x * kTermica[0].x)});
  }
  c.push_back({fim, k / (fim * fim)});
  return c;
}

tDANO_TRAFO dano_trafo(const tAJUSTE_TRAFO& t, double ten_nom, double iccmax) {
  tDANO_TRAFO d;
  if (t.dano < 1 || t.dano > 5) return d;
  d.categoria = t.dano == 1 ? categoria_trafo(t.kva) : t.dano - 1;
  if (!noeixo(t.kva) || !noeixo(t.zp) || !noeixo(ten_nom)) return d;
  const double in = t.kva / (std::numbers::sqrt3 * ten_nom);
  d.frequente = d.categoria == 4 || (d.categoria >= 2 && t.frequente);
  double zs = 0;
  if (d.categoria >= 3) {
    if (noeixo(iccmax)) {
      zs = in / iccmax;
    } else {
      d.sem_fonte = true;
      d.frequente = false;
    }
  }
  for (const tPOINTX& p : dano_pu(d.categoria, d.frequente, t.zp / 100, zs)) {
    d.fase.push_back({p.x * in, p.y});
    d.neutro.push_back({kNeutro * p.x * in, p.y});
  }
  return d;
}

double k_cabo(int condutor, int isolacao, double secao) {
  const tCONDUTOR& c = condutor == 1 ? kAluminio : kCobre;
  const double kk = std::sqrt(c.qc * (c.beta + 20) / c.rho);
  const bool pvc = isolacao == 1;
  const double ti = pvc ? 70 : 90;
  const double tf = pvc ? (secao > 300 ? 140 : 160) : 250;
  return kk * std::sqrt(std::log((tf + c.beta) / (ti + c.beta)));
}

tCURVA suportabilidade_cabo(double secao, int condutor, int isolacao, double tmin, double fator) {
  if (!noeixo(secao) || !noeixo(tmin) || !noeixo(fator) || !(tmin < kTempoMaximoCabo)) return {};
  const double ks = k_cabo(condutor, isolacao, secao) * secao * fator;
  // Ascending current is descending time: 5 s, the 1-2-5 times below it
  // down to tmin, and tmin.
  std::vector<double> tempos{kTempoMaximoCabo};
  for (int e = 0; e > -12; --e) {
    for (double m : {2.0, 1.0, 0.5}) {
      const double t = m * std::pow(10.0, e);
      if (t > tmin && t < tempos.back()) tempos.push_back(t);
    }
  }
  tempos.push_back(tmin);
  tCURVA c;
  for (double t : tempos) c.push_back({ks / std::sqrt(t), t});
  return c;
}

tCURVA suportabilidade(const tAJUSTE_CABO& c, double ten_nom, double tmin) {
  if (c.cabletag != tAJUSTE_CABO::kCalculado) return {};
  return suportabilidade_cabo(c.secao, c.condutor, c.isolacao, tmin, fator_corrente(c, ten_nom));
}

double tempo_cabo(const tAJUSTE_CABO& c, double ten_nom, double i) {
  const double f = fator_corrente(c, ten_nom);
  if (!noeixo(i)) return 0;
  double t = 0;
  if (c.cabletag == tAJUSTE_CABO::kCalculado) {
    const double ks = k_cabo(c.condutor, c.isolacao, c.secao) * c.secao * f;
    t = (ks / i) * (ks / i);
  } else if (const tCABO* cb = tAJUSTE_CABO::findcabo(c.cabletag)) {
    t = cb->k * std::pow(i / f, cb->n);
  }
  return noeixo(t) ? t : 0;
}

double tempo_curva(const tCURVA& c, double i) {
  for (std::size_t k = 1; k < c.size(); ++k) {
    const tPOINTX& a = c[k - 1];
    const tPOINTX& b = c[k];
    if (i < a.x || i > b.x) continue;
    if (b.x == a.x) return std::min(a.y, b.y);
    const double u = std::log(i / a.x) / std::log(b.x / a.x);
    return std::exp(std::log(a.y) + u * (std::log(b.y) - std::log(a.y)));
  }
  return 0;
}

double fator_corrente(const tAJUSTE& a, double ten_nom) {
  if (!noeixo(a.tensao_equip) || !noeixo(ten_nom)) return 1;
  return a.tensao_equip / ten_nom;
}

std::string sufixo_tensao(const tAJUSTE& a, double ten_nom) {
  if (fator_corrente(a, ten_nom) == 1) return "";
  return " @" + tensao2txt(a.tensao_equip) + " kV";
}

bool tem_tensao_propria(const tPRJCOORD& prj) {
  return std::any_of(prj.ajustes.begin(), prj.ajustes.end(), [&](const auto& a) {
    return a->visible && fator_corrente(*a, prj.ten_nom) != 1;
  });
}

double iccmax_coord(const tPRJCOORD& prj) {
  for (const auto& a : prj.ajustes) {
    if (const auto* m = dynamic_cast<const tAJUSTE_MINMAX*>(a.get())) {
      const double i = m->iccmax * fator_corrente(*m, prj.ten_nom);
      return noeixo(i) ? i : 0;
    }
  }
  return 0;
}

}  // namespace tarvinel
