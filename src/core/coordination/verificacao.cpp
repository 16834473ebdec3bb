#include "core/coordination/verificacao.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/danos.h"
#include "core/coordination/referencia.h"

namespace tarvinel {

namespace {

// Margin of the upstream fuse in a fuse-fuse pair: its time counts at 75 %.
constexpr double kFATOR_ELO_ELO = 0.75;
// The lowest current of a coordination check, over the larger of the two
// devices' lowest operating currents.
constexpr double kFOLGA_PARTIDA = 1.05;
// A sampled range never has more decades than this (1 mA to 1 GA).
constexpr int kMAX_DECADAS = 12;

bool positivo(double v) {
  return v > 0 && std::isfinite(v);
}

// y at x on the straight line through (x0, y0) and (x1, y1) of the log-log
// plane; every value positive.
double loglog(double x0, double y0, double x1, double y1, double x) {
  if (x1 == x0) return y1;
  const double f = std::log(x / x0) / std::log(x1 / x0);
  return std::exp(std::log(y0) + f * (std::log(y1) - std::log(y0)));
}

// Log-log interpolation through points in increasing current (small steps
// back, as digitised curves have, are walked over): kSEMATUACAO below the
// first, the last time above the last.
template <class P>
double interpola(std::size_t n, double i, P ponto) {
  if (n == 0 || !positivo(i)) return kSEMATUACAO;
  auto [x0, y0] = ponto(0);
  if (i < x0) return kSEMATUACAO;
  for (std::size_t k = 1; k < n; ++k) {
    auto [x1, y1] = ponto(k);
    if (x1 >= i) {
      if (!positivo(x0) || !positivo(y0) || !positivo(y1)) return y1;
      return loglog(x0, y0, x1, y1, i);
    }
    x0 = x1;
    y0 = y1;
  }
  return y0;
}

// The currents of a check: ilo x 10^(k/200) while below ihi, then ihi.
template <class F>
void percorre(double ilo, double ihi, F&& amostra) {
  for (int k = 0; k < kAMOSTRAS_DECADA * kMAX_DECADAS; ++k) {
    const double i = ilo * std::pow(10.0, static_cast<double>(k) / kAMOSTRAS_DECADA);
    if (!(i < ihi)) break;
    amostra(i);
  }
  amostra(ihi);
}

double tempo_usuario(const tUSERCURVE& u, double i) {
  return interpola(u.amp.size(), i, [&u](std::size_t k) { return std::pair{u.amp[k], u.tim[k]}; });
}

// One side of a check: a device and how the item list names it.
struct tLADO {
  tDISPOSITIVO d;
  std::string elo;
};

bool unico(const tAJUSTE& a) {
  return dynamic_cast<const tAJUSTE_CURVA*>(&a) != nullptr ||
         dynamic_cast<const tAJUSTE_FUSE*>(&a) != nullptr;
}

// The devices of a protection for the phase or the neutral function. A fuse
// gives each of its links: its maximum curve ("-max") as the downstream
// device or the protection of an ANSI point, its own curve otherwise.
std::vector<tLADO> lados(const tAJUSTE& a, bool neutro, bool maximo, double fator) {
  std::vector<tLADO> l;
  if (const auto* r = dynamic_cast<const tAJUSTE_RELIGA*>(&a)) {
    l.push_back({{neutro ? &r->reln : &r->relf, nullptr, fator}, {}});
  } else if (const auto* c = dynamic_cast<const tAJUSTE_CURVA*>(&a)) {
    l.push_back({{&c->rel, nullptr, fator}, {}});
  } else if (const auto* f = dynamic_cast<const tAJUSTE_FUSE*>(&a)) {
    for (const std::string& nome : f->fusetag) {
      if (nome == "Nenhum") continue;
      const tELO_CURVA* e = maximo ? elolista().find(nome + "-max") : nullptr;
      if (e == nullptr) e = elolista().find(nome);
      if (e != nullptr && !e->pontos().empty()) l.push_back({{nullptr, e, fator}, nome});
    }
  }
  return l;
}

// The function of a check of two single-function devices: that of the curve
// setting among them, phase when both are fuses.
bool neutro_unico(const tAJUSTE& d, const tAJUSTE& u) {
  for (const tAJUSTE* a : {&d, &u})
    if (const auto* c = dynamic_cast<const tAJUSTE_CURVA*>(a)) return c->tipo != 0;
  return false;
}

double fim_da_faixa(const tPRJCOORD& prj, double lim_sup) {
  const double i = iccmax_coord(prj);
  return positivo(i) ? i : lim_sup;
}

class tMOTOR {
 public:
  tMOTOR(const tPRJCOORD& prj, double lim_sup) : prj_(prj), ihi_(fim_da_faixa(prj, lim_sup)) {}

  tRESULTADOVERIF r;

  void coordenacao(int id, const tAJUSTE& d, int iu, const tAJUSTE& u) {
    const bool unicos = unico(d) && unico(u);
    for (const bool neutro : {false, true}) {
      if (unicos && neutro) break;  // the same curves twice
      const bool funcao = unicos ? neutro_unico(d, u) : neutro;
      for (const tLADO& ld : lados(d, neutro, true, fator(d)))
        for (const tLADO& lu : lados(u, neutro, false, fator(u))) par(id, ld, iu, lu, funcao);
    }
  }

  void ansi(int it, const tAJUSTE_TRAFO& t, int ip, const tAJUSTE& p) {
    tAJUSTE_TRAFO::tPONTOANSI pt;
    if (!t.pontoansi(prj_.ten_nom, pt)) {
      r.avisos.push_back(
          fmt::sprintf("%s não tem ponto ANSI (potência, impedância ou tensão "
                       "sem valor): nada a verificar.",
                       nome_item(prj_, it, {})));
      return;
    }
    for (const bool neutro : {false, true}) {
      const double i = neutro ? pt.ineutro : pt.ifase;
      for (const tLADO& l : lados(p, neutro, true, fator(p))) {
        const double tp = l.d.tempo(i);
        tVERIFICACAO v = base(tTIPOVERIF::ansi, it, {}, ip, l.elo, neutro);
        v.corrente = i;
        v.margem = pt.tempo - tp;
        v.ok = tp < kSEMATUACAO && v.margem >= 0;
        v.tempo = tp;
        v.tempo_ref = pt.tempo;
        r.itens.push_back(v);
      }
    }
  }

  void inrush(int it, const tAJUSTE_INRUSH& m, int ip, const tAJUSTE& p) {
    for (const bool neutro : {false, true}) {
      const double i = (neutro ? m.inrusn : m.inrush) * fator(m);
      if (!positivo(i)) continue;
      for (const tLADO& l : lados(p, neutro, false, fator(p))) {
        const double tp = l.d.tempo(i);
        tVERIFICACAO v = base(tTIPOVERIF::inrush, it, {}, ip, l.elo, neutro);
        v.corrente = i;
        v.margem = tp - kTEMPO_INRUSH;
        v.ok = v.margem >= 0;
        v.tempo = tp;
        v.tempo_ref = kTEMPO_INRUSH;
        r.itens.push_back(v);
      }
    }
  }

  // The transformer's damage curves (drawn as the chart draws them) against
  // its protection: phase function with the phase curve, neutral with the
  // neutral one.
  void dano(int it, const tAJUSTE_TRAFO& t, int ip, const tAJUSTE& p) {
    const tDANO_TRAFO d = dano_trafo(t, prj_.ten_nom, iccmax_coord(prj_));
    for (const bool neutro : {false, true}) {
      const tCURVA& c = neutro ? d.neutro : d.fase;
      if (c.size() < 2) continue;
      for (const tLADO& l : lados(p, neutro, true, fator(p))) {
        const double ilo = std::max(c.front().x, kFOLGA_PARTIDA * l.d.minima());
        limite(tTIPOVERIF::dano, it, ip, l, neutro, ilo, c.back().x,
               [&c](double i) { return tempo_curva(c, i); });
      }
    }
  }

  // The cable's withstand against its protection, phase and neutral.
  void cabo(int it, const tAJUSTE_CABO& c, int ip, const tAJUSTE& p) {
    if (!positivo(tempo_cabo(c, prj_.ten_nom, 1))) {
      r.avisos.push_back(fmt::sprintf("%s não tem curva de suportabilidade: nada a verificar.",
                                      nome_item(prj_, it, {})));
      return;
    }
    for (const bool neutro : {false, true})
      for (const tLADO& l : lados(p, neutro, true, fator(p)))
        limite(tTIPOVERIF::cabo, it, ip, l, neutro, kFOLGA_PARTIDA * l.d.minima(), ihi_,
               [&](double i) { return tempo_cabo(c, prj_.ten_nom, i); });
  }

 private:
  const tPRJCOORD& prj_;
  const double ihi_;

  double fator(const tAJUSTE& a) const { return fator_corrente(a, prj_.ten_nom); }

  // The protection l must operate before the equipment's limit tlim over
  // ilo..ihi (same sampling as a coordination pair); the smallest
  // tlim - t_protection is the margin, required 0.
  template <class F>
  void limite(tTIPOVERIF tipo, int it, int ip, const tLADO& l, bool neutro, double ilo, double ihi,
              F tlim) {
    tVERIFICACAO v = base(tipo, it, {}, ip, l.elo, neutro);
    bool algum = false;
    auto amostra = [&](double i) {
      const double tp = l.d.tempo(i);
      const double m = tlim(i) - tp;
      if (algum && m >= v.margem) return;
      algum = true;
      v.margem = m;
      v.corrente = i;
      v.tempo = tp;
      v.tempo_ref = tlim(i);
    };
    if (positivo(ilo) && positivo(ihi) && ilo < ihi) percorre(ilo, ihi, amostra);
    if (!algum) {
      r.avisos.push_back(fmt::sprintf("%s: %s não atua na faixa da curva de %s; nada a verificar.",
                                      nome_item(prj_, it, {}), nome_item(prj_, ip, l.elo),
                                      neutro ? "neutro" : "fase"));
      return;
    }
    v.ok = v.tempo < kSEMATUACAO && v.margem >= 0;
    r.itens.push_back(v);
  }

  static tVERIFICACAO base(tTIPOVERIF tipo, int item, const std::string& elo, int ref,
                           const std::string& elo_ref, bool neutro) {
    tVERIFICACAO v;
    v.tipo = tipo;
    v.item = item;
    v.elo = elo;
    v.referencia = ref;
    v.elo_ref = elo_ref;
    v.neutro = neutro;
    return v;
  }

  std::string par_texto(int id, const tLADO& d, int iu, const tLADO& u, bool neutro) const {
    return fmt::sprintf("%s e %s (%s)", nome_item(prj_, id, d.elo), nome_item(prj_, iu, u.elo),
                        neutro ? "neutro" : "fase");
  }

  void par(int id, const tLADO& d, int iu, const tLADO& u, bool neutro) {
    const bool elo_elo = d.d.elo != nullptr && u.d.elo != nullptr;
    const double md = d.d.minima();
    const double mu = u.d.minima();
    if (!positivo(md) || !positivo(mu)) {
      r.avisos.push_back(
          fmt::sprintf("Coordenação de %s: um dos dois não atua em corrente "
                       "alguma; nada a verificar.",
                       par_texto(id, d, iu, u, neutro)));
      return;
    }
    const double ilo = kFOLGA_PARTIDA * std::max(md, mu);
    // Beyond a link's last point its time is unknown (faster than the
    // catalogue goes): comparing there would only compare made-up times.
    const double ihi = std::min({ihi_, d.d.maxima(), u.d.maxima()});
    tVERIFICACAO v = base(tTIPOVERIF::coordenacao, id, d.elo, iu, u.elo, neutro);
    v.exigido = elo_elo ? 0 : (d.d.elo != nullptr || u.d.elo != nullptr ? prj_.cti_elo : prj_.cti);
    bool algum = false;
    auto amostra = [&](double i) {
      const double td = d.d.tempo(i);
      const double tu = u.d.tempo(i);
      if (td >= kSEMATUACAO || tu >= kSEMATUACAO) return;
      const double m = (elo_elo ? kFATOR_ELO_ELO * tu : tu) - td;
      if (algum && m >= v.margem) return;
      algum = true;
      v.margem = m;
      v.corrente = i;
      v.tempo = td;
      v.tempo_ref = tu;
    };
    percorre(ilo, ihi, amostra);
    if (!algum) {
      r.avisos.push_back(
          fmt::sprintf("Coordenação de %s: não atuam juntos entre %.1f A e "
                       "%.1f A; nada a verificar.",
                       par_texto(id, d, iu, u, neutro), std::min(ilo, ihi), ihi));
      return;
    }
    v.ok = v.margem >= v.exigido;
    r.itens.push_back(v);
  }
};

std::string tempo_txt(double t) {
  return t >= kSEMATUACAO ? std::string("não atua") : fmt::sprintf("%.3f s", t);
}

}  // namespace

// ---- operating times ---------------------------------------------------------

double tempo_funcao(const tFRELIGA& f, double i) {
  if (!positivo(i)) return kSEMATUACAO;
  if (definite_only(f.nom_cur)) {
    const bool atua = positivo(f.idef) && f.tdef >= 0 && f.tdef < kSEMATUACAO && i >= f.idef;
    return atua ? f.tdef : kSEMATUACAO;
  }
  if (const tUSERCURVE* u = fixed_usercurve(f.nom_cur)) return tempo_usuario(*u, i);
  const double t = f.tempocurva(i);
  return t < 0 || t >= kSEMATUACAO ? kSEMATUACAO : t;
}

double corrente_minima(const tFRELIGA& f) {
  if (definite_only(f.nom_cur)) return positivo(f.idef) ? f.idef : 0;
  if (const tUSERCURVE* u = fixed_usercurve(f.nom_cur)) return positivo(u->amp[0]) ? u->amp[0] : 0;
  return positivo(f.cor_par) ? f.cor_par : 0;
}

double tempo_elo(const tELO_CURVA& c, double i) {
  const auto& p = c.pontos();
  return interpola(p.size(), i, [&p](std::size_t k) { return std::pair{p[k].cor, p[k].tem}; });
}

double corrente_minima(const tELO_CURVA& c) {
  return c.pontos().empty() || !positivo(c.pontos().front().cor) ? 0 : c.pontos().front().cor;
}

double tDISPOSITIVO::tempo(double i) const {
  if (funcao != nullptr) return tempo_funcao(*funcao, i / fator);
  if (elo != nullptr) return tempo_elo(*elo, i / fator);
  return kSEMATUACAO;
}

double tDISPOSITIVO::maxima() const {
  if (elo != nullptr && !elo->pontos().empty()) return elo->pontos().back().cor * fator;
  return std::numeric_limits<double>::infinity();
}

double tDISPOSITIVO::minima() const {
  if (funcao != nullptr) return corrente_minima(*funcao) * fator;
  if (elo != nullptr) return corrente_minima(*elo) * fator;
  return 0;
}

// ---- the checks ----------------------------------------------------------------

int tRESULTADOVERIF::falhas() const {
  return static_cast<int>(
      std::count_if(itens.begin(), itens.end(), [](const tVERIFICACAO& v) { return !v.ok; }));
}

tRESULTADOVERIF verifica(const tPRJCOORD& prj, double lim_sup) {
  tMOTOR m(prj, lim_sup);
  const tAJUSTE_LISTA& l = prj.ajustes;
  for (int i = 0; i < l.count(); ++i) {
    const tAJUSTE& a = *l.Getajustes(i);
    const tAJUSTE* p = alvo_ref(l, a);
    if (p == nullptr) continue;
    const int ip = l.indexof(p) + 1;
    if (const auto* t = dynamic_cast<const tAJUSTE_TRAFO*>(&a)) {
      m.ansi(i + 1, *t, ip, *p);
      if (t->dano != 0) m.dano(i + 1, *t, ip, *p);
    } else if (const auto* c = dynamic_cast<const tAJUSTE_CABO*>(&a))
      m.cabo(i + 1, *c, ip, *p);
    else if (const auto* n = dynamic_cast<const tAJUSTE_INRUSH*>(&a))
      m.inrush(i + 1, *n, ip, *p);
    else if (a.protecao())
      m.coordenacao(i + 1, a, ip, *p);
  }
  return std::move(m.r);
}

// ---- texts -------------------------------------------------------------------------

std::string nome_verif(tTIPOVERIF t) {
  switch (t) {
    case tTIPOVERIF::ansi:
      return "ANSI";
    case tTIPOVERIF::inrush:
      return "inrush";
    case tTIPOVERIF::dano:
      return "dano";
    case tTIPOVERIF::cabo:
      return "cabo";
    default:
      return "coordenação";
  }
}

std::string nome_funcao(const tVERIFICACAO& v) {
  return v.neutro ? "neutro" : "fase";
}

std::string numero_item(int item, const std::string& elo) {
  return elo.empty() ? fmt::sprintf("%d", item) : fmt::sprintf("%d:%s", item, elo);
}

std::string nome_item(const tPRJCOORD& prj, int item, const std::string& elo) {
  if (item < 1 || item > prj.ajustes.count()) return numero_item(item, elo);
  std::string s = nome_item(item - 1, *prj.ajustes.Getajustes(item - 1));
  return elo.empty() ? s : s + " " + elo;
}

std::string nome_resultado(const tVERIFICACAO& v) {
  return v.ok ? "OK" : "FALHA";
}

std::string resumo_verif(const tRESULTADOVERIF& r) {
  const int n = static_cast<int>(r.itens.size());
  const int f = r.falhas();
  return fmt::sprintf("%d %s, %d %s", n, n == 1 ? "verificação" : "verificações", f,
                      f == 1 ? "falha" : "falhas");
}

std::string linha_falha(const tPRJCOORD& prj, const tVERIFICACAO& v) {
  return fmt::sprintf("# %s FALHA: %s / %s, %s, %.1f A: margem %.3f s, exigido %.3f s",
                      nome_verif(v.tipo), nome_item(prj, v.item, v.elo),
                      nome_item(prj, v.referencia, v.elo_ref), nome_funcao(v), v.corrente, v.margem,
                      v.exigido);
}

// ---- on the chart ----------------------------------------------------------------

void drawverif(tCHARTX& chart, const tRESULTADOVERIF& r) {
  tCANVAS* cv = chart.canvas;
  if (cv == nullptr) return;
  const tRECTX& lim = chart.limites;
  auto no_grafico = [&lim](double t) { return std::clamp(t, lim.yl, lim.yh); };
  // Each failure's label is a label of its own for the chart's placement
  // step, which moves it off the others.
  const int grupo0 = chart.grupo;
  for (const tVERIFICACAO& v : r.itens) {
    if (v.ok || !(v.neutro ? chart.show_neutro : chart.show_fase)) continue;
    if (!(v.corrente >= lim.xl && v.corrente <= lim.xh)) continue;
    const double t0 = no_grafico(v.tempo);
    const double t1 = no_grafico(v.tempo_ref);
    chart.defaultpen();
    cv->setpencolor(clRed);
    cv->setpenwidth(chart.linhagrossa);
    chart.moveto(v.corrente, t0);
    chart.lineto(v.corrente, t1);
    cv->setbrushstyle(tBRUSHSTYLE::solid);
    cv->setbrushcolor(clRed);
    const double raio = cv->textwidth("o") / 2.0;
    chart.circle({v.corrente, t0}, raio);
    cv->setbrushstyle(tBRUSHSTYLE::clear);
    cv->setfontcolor(clRed);
    tPOINTX p = chart.rl2px(v.corrente, std::max(t0, t1));
    p.x += 2 * raio;
    const std::string texto = fmt::sprintf("%.3f s", v.margem);
    ++chart.grupo;
    chart.textout(p.x, p.y, texto, 0, false);
  }
  chart.grupo = grupo0;
  chart.defaultpen();
}

std::vector<std::string> leituras(const tPRJCOORD& prj, double i, bool fase, bool neutro) {
  std::vector<std::string> l;
  const tAJUSTE_LISTA& lista = prj.ajustes;
  for (int k = 0; k < lista.count(); ++k) {
    const tAJUSTE& a = *lista.Getajustes(k);
    if (!a.visible) continue;
    const std::string nome = nome_item(k, a);
    const double ia = i / fator_corrente(a, prj.ten_nom);  // in the setting's own currents
    auto linha = [&](const std::string& curva, double t) {
      l.push_back(nome + " " + curva + ": " + tempo_txt(t));
    };
    if (const auto* r = dynamic_cast<const tAJUSTE_RELIGA*>(&a)) {
      if (fase) linha("FASE", tempo_funcao(r->relf, ia));
      if (neutro) linha("NEUTRO", tempo_funcao(r->reln, ia));
    } else if (const auto* c = dynamic_cast<const tAJUSTE_CURVA*>(&a)) {
      if (c->tipo == 0 ? fase : neutro)
        linha(c->tipo == 0 ? "FASE" : "NEUTRO", tempo_funcao(c->rel, ia));
    } else if (const auto* f = dynamic_cast<const tAJUSTE_FUSE*>(&a)) {
      for (const std::string& elo : f->fusetag) {
        if (elo == "Nenhum") continue;
        for (const std::string& n : {elo, elo + "-max"})
          if (const tELO_CURVA* e = elolista().find(n)) linha(n, tempo_elo(*e, ia));
      }
    }
  }
  return l;
}

}  // namespace tarvinel
