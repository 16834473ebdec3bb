#include "core/calculation/calcexec.h"

#include <fmt/printf.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

const char* const MSG_RELACAO_ICC3F =
    "O valores de ICC3F-CONS e ICC3F-MT/CLI devem ser parecidos, verifique seus dados.\r"
    "Veja no manual o item \"Relação ICC3F/Z1\".";

namespace {

constexpr double R3 = std::numbers::sqrt3;
constexpr double PI = std::numbers::pi;

std::string juntar(const std::vector<std::string>& v) {
  std::string s;
  for (const std::string& m : v) {
    if (!s.empty()) s += '\n';
    s += m;
  }
  return s;
}

// Integer argument of a table lookup: truncated, clipped to the int range
// (every table ends far below it, so clipping never changes the entry).
int para_int(double v) {
  if (!(v > INT_MIN)) return INT_MIN;
  if (!(v < INT_MAX)) return INT_MAX;
  return static_cast<int>(v);
}

bool nao_dado(double icc) {
  return icc <= 1;
}

// Everything one run computes, before it is written anywhere.
struct tRODADA {
  tPRJCALCVAR var;
  tCURTO icc_con;
  tCURTO icc_cli;
  double iccmin = 0;
  double iccmax = 0;
  std::vector<tTRAFO> trafos;  // copies carrying the results
  tFRELIGA relf;               // only the four currents are taken back
  tFRELIGA reln;
  bool aviso_relacao = false;
};

// Collects what makes the run unsound: a zero divisor met on the way and,
// at the end, any result (or value the report derives from the results) that
// is not a finite number.
class tCONFERE {
 public:
  std::vector<std::string> erros;
  std::vector<std::string> indefinidos;

  // n/d; a zero divisor or an undefined quotient records the reason, which
  // is only worded then.
  template <class F>
  double div(double n, double d, F&& motivo) {
    const double q = n / d;
    if (d == 0 || !std::isfinite(q)) falha(motivo());
    return q;
  }
  void falha(const std::string& motivo) {
    if (std::find(erros.begin(), erros.end(), motivo) == erros.end()) erros.push_back(motivo);
  }
  // `oque`, followed by `onde` when given, names the value.
  void num(double v, const char* oque, const std::string& onde = {}) {
    if (std::isfinite(v) || indefinidos.size() >= 100) return;
    indefinidos.push_back(onde.empty() ? std::string(oque) : std::string(oque) + " " + onde);
  }
  void cplx(tCPLX z, const char* oque, const std::string& onde = {}) {
    num(z.r, oque, onde);
    num(z.x, oque, onde);
    num(z.magnitude(), oque, onde);
  }
  void curto(const tCURTO& c, const std::string& onde) {
    num(c.ICC3F, "ICC3F", onde);
    num(c.ICC3FA, "ICC3FA", onde);
    num(c.ICCFT, "ICCFT", onde);
    num(c.ICCFTM, "ICCFTM", onde);
    num(c.ICCFTA, "ICCFTA", onde);
  }
  std::vector<std::string> motivos() const {
    std::vector<std::string> m = erros;
    if (!indefinidos.empty()) {
      std::string lista;
      const std::size_t n = std::min<std::size_t>(indefinidos.size(), 6);
      for (std::size_t i = 0; i < n; ++i) lista += (i ? ", " : "") + indefinidos[i];
      if (indefinidos.size() > n) lista += ", ...";
      m.push_back("Os dados levam a valores indefinidos (" + lista +
                  "); verifique os valores do projeto.");
    }
    return m;
  }
};

double menor(const tCURTO& c) {
  return std::min({c.ICC3F, c.ICC3FA, c.ICCFT, c.ICCFTM, c.ICCFTA});
}
double maior(const tCURTO& c) {
  return std::max({c.ICC3F, c.ICC3FA, c.ICCFT, c.ICCFTM, c.ICCFTA});
}

// Network impedance in per unit, rectangular, from the form of red_inp_mod.
void impedancia_rede(const tPRJCALC& p, tPRJCALCVAR& v, tCONFERE& cf) {
  auto polar = [](tCPLX z) {
    const double a = z.x * PI / 180;
    return tCPLX{z.r * std::cos(a), z.r * std::sin(a)};
  };
  switch (p.red_inp_mod) {
    case RED_OHM:
      v.z1r = p.z1r * (1 / v.zb_at);
      v.z0r = p.z0r * (1 / v.zb_at);
      break;
    case RED_OHM_POLAR:
      v.z1r = polar(p.z1r) * (1 / v.zb_at);
      v.z0r = polar(p.z0r) * (1 / v.zb_at);
      break;
    case RED_PU_POLAR:
      v.z1r = polar(p.z1r);
      v.z0r = polar(p.z0r);
      break;
    case RED_AUTOMATICO: {
      // Magnitude 1/I (per unit) at the angle pi/2 - 0.5 rad.
      const double i3 = cf.div(p.icc_con.ICC3F, v.ib_at, [] { return "Corrente ICC3F [A]"; });
      const double ift = cf.div(p.icc_con.ICCFT, v.ib_at, [] { return "Corrente ICCFT [A]"; });
      v.z1r = 1.0 / tCPLX{i3 * std::sin(0.5), -i3 * std::cos(0.5)};
      v.z0r = 3.0 / tCPLX{ift * std::sin(0.5), -ift * std::cos(0.5)} + (-2.0) * v.z1r;
      break;
    }
    default:  // RED_PU and any value a damaged file may carry
      v.z1r = p.z1r;
      v.z0r = p.z0r;
      break;
  }
}

// The short-circuit half of the run.
void curto_circuito(const tPRJCALC& p, tRODADA& r, tCONFERE& cf) {
  tPRJCALCVAR& v = r.var;
  const double V = p.tensaomt;
  v.zb_at = V * V / p.potbase;
  v.ib_at = 1000 * p.potbase / (R3 * V);
  const double ib = v.ib_at;
  impedancia_rede(p, v, cf);

  const double k = p.cabolen / (1000 * v.zb_at);
  v.z1c = p.z1caboohm * k;
  v.z0c = p.z0caboohm * k;
  v.zfltpu = tCPLX{3 * p.rfalta / v.zb_at, 0};
  const tCPLX zf = v.zfltpu;
  const tCPLX z1 = v.z1r, z0 = v.z0r;
  const tCPLX zt_rede = 2.0 * z1 + z0;

  // Utility currents left out by the user (1 A or less), in this order, each
  // one seeing those completed before it.
  tCURTO& c = r.icc_con;
  c = p.icc_con;
  auto rede = [](const char* z, const char* icc) {
    return fmt::sprintf("Impedância %s da rede nula: informe a corrente %s [A].", z, icc);
  };
  if (nao_dado(c.ICC3F)) c.ICC3F = cf.div(ib, z1.magnitude(), [&] { return rede("Z1", "ICC3F"); });
  if (nao_dado(c.ICCFT))
    c.ICCFT = cf.div(3 * ib, zt_rede.magnitude(), [&] { return rede("2*Z1+Z0", "ICCFT"); });
  if (nao_dado(c.ICCFTM))
    c.ICCFTM =
        cf.div(3 * ib, (zt_rede + zf).magnitude(), [&] { return rede("2*Z1+Z0+ZF", "ICCFTM"); });
  if (nao_dado(c.ICC3FA)) c.ICC3FA = z1.fa() * c.ICC3F;
  if (nao_dado(c.ICCFTA)) c.ICCFTA = zt_rede.fa() * c.ICCFT;

  // Plausibility of the network impedance against the given three-phase
  // current. Advisory only; shown once the run is known to be sound.
  if (p.red_inp_mod != RED_AUTOMATICO) {
    const double ratio = ib / z1.magnitude() / c.ICC3F;
    r.aviso_relacao = !(ratio >= 0.9 && ratio <= 1.05);
  }

  // Customer medium-voltage bus.
  v.z1_prim = z1 + v.z1c;
  v.zt_prim = 2.0 * v.z1_prim + z0 + v.z0c;
  auto cli = [](const char* z) {
    return fmt::sprintf("Impedância %s até a barra MT/CLI nula (rede + cabo de entrada).", z);
  };
  r.icc_cli.ICC3F = cf.div(ib, v.z1_prim.magnitude(), [&] { return cli("Z1"); });
  r.icc_cli.ICC3FA = v.z1_prim.fa() * r.icc_cli.ICC3F;
  r.icc_cli.ICCFT = cf.div(3 * ib, v.zt_prim.magnitude(), [&] { return cli("2*Z1+Z0"); });
  r.icc_cli.ICCFTA = v.zt_prim.fa() * r.icc_cli.ICCFT;
  r.icc_cli.ICCFTM =
      cf.div(3 * ib, (v.zt_prim + zf).magnitude(), [&] { return cli("2*Z1+Z0+ZF"); });

  // One group of every transformer marked parallel.
  double s_par = 0, k_par = 0;
  for (const tTRAFO& t : r.trafos)
    if (t.prll) {
      s_par += t.kva;
      k_par += t.kva / t.zp;
    }
  const double zp_eq = s_par / k_par;  // read only when the group is not empty

  int n = 0;
  for (tTRAFO& t : r.trafos) {
    ++n;
    auto barra = [n](const char* z) {
      return fmt::sprintf("Transformador %d: impedância %s até a barra de baixa tensão nula.", n,
                          z);
    };
    const tCPLX u = tCPLX{1, t.xr} * (1 / std::sqrt(1 + t.xr * t.xr));
    const double f = t.prll ? zp_eq / s_par : t.zp / t.kva;
    t.z1tr = u * (V * V * 10 / v.zb_at * f);
    t.z1tt = z1 + v.z1c + t.z1tr;
    t.curto.ICC3F = cf.div(ib, t.z1tt.magnitude(), [&] { return barra("Z1"); });
    t.curto.ICC3FA = t.z1tt.fa() * t.curto.ICC3F;
    switch (t.lig) {
      case LIG_DD:
        t.curto.ICCFT = 0;
        t.curto.ICCFTM = 0;
        t.curto.ICCFTA = 0;
        break;
      case LIG_DYA:
        t.z0tr = 0.85 * t.z1tr;
        t.ztt = 2.0 * t.z1tt + t.z0tr;
        t.curto.ICCFT = cf.div(3 * ib, R3 * t.ztt.magnitude(), [&] { return barra("2*Z1+Z0"); });
        t.curto.ICCFTM =
            cf.div(3 * ib, R3 * (t.ztt + zf).magnitude(), [&] { return barra("2*Z1+Z0+ZF"); });
        t.curto.ICCFTA = t.ztt.fa() * t.curto.ICCFT;
        break;
      case LIG_YAYA:
      case LIG_YAYI:
        t.z0tr = (t.lig == LIG_YAYA ? 1.0 : 5.0) * t.z1tr;
        t.ztt = 2.0 * t.z1tt + t.z0tr + z0 + v.z0c;
        t.curto.ICCFT = cf.div(3 * ib, t.ztt.magnitude(), [&] { return barra("2*Z1+Z0"); });
        t.curto.ICCFTM =
            cf.div(3 * ib, (t.ztt + zf).magnitude(), [&] { return barra("2*Z1+Z0+ZF"); });
        t.curto.ICCFTA = t.ztt.fa() * t.curto.ICCFT;
        break;
      default:  // refused by validar
        break;
    }
  }

  r.iccmax = maior(r.icc_con);
  r.iccmin = std::min(menor(r.icc_con), menor(r.icc_cli));
  for (const tTRAFO& t : r.trafos) r.iccmin = std::min(r.iccmin, menor(t.curto));
}

// Sums of the list, over the copies.
double inrush_total(const std::vector<tTRAFO>& ts) {
  double s = 0;
  for (const tTRAFO& t : ts) s += t.inom * t.imag;
  return s;
}
double inrush_parcial(const std::vector<tTRAFO>& ts) {
  tTRAFO_LISTA l;
  for (const tTRAFO& t : ts) *l.novotrafo() = t;
  return l.inrush_parcial();
}

// Rated currents, current transformer, inrush, relay currents, ANSI points.
void ajustes(const tPRJCALC& p, tRODADA& r) {
  tPRJCALCVAR& v = r.var;
  const double V = p.tensaomt;
  for (tTRAFO& t : r.trafos) t.inom = t.kva / (R3 * V);

  double pot_tot = 0;
  for (const tTRAFO& t : r.trafos) pot_tot += t.kva;
  v.rtc_ind = p.demanda / (R3 * p.fatorp * V);
  v.rtc_inc = pot_tot / (R3 * V);
  v.rtc_ins = (1 + p.rtc_fat / 100.0) * std::max(v.rtc_ind, v.rtc_inc);
  v.rtc_inm = r.icc_cli.ICC3FA / 20;
  v.rtc_ino = rtc_ino_get(para_int(std::max(v.rtc_ins, v.rtc_inm)));
  v.rtc_ise = (p.rtc_10k ? 10000.0 : r.icc_cli.ICC3FA) * 5 / v.rtc_ino;
  v.rtc_vse = rtc_vse_get(para_int(roundeven(v.rtc_ise * p.rtc_bur)));
  v.rtc_nom = fmt::sprintf("%s%s%d-%d/5", p.rtc_pre, p.rtc_rea, v.rtc_vse, v.rtc_ino);
  v.rtc_va_cal = static_cast<float>(p.rtc_bur * 25);
  v.rtc_va_sel = rtc_va_get(v.rtc_va_cal);
  v.rtc_nom_nbr = fmt::sprintf("%.1fVA%sP20-%d/5", v.rtc_va_sel, p.rtc_pre, v.rtc_ino);

  v.inrush_parcial = inrush_parcial(r.trafos);
  v.inrush_total = inrush_total(r.trafos);
  v.inrush_real = 1 / (1 / r.icc_cli.ICC3F + 1 / v.inrush_total);
  v.inrush_energisa = 1 / (1 / r.icc_cli.ICC3F + 1 / v.inrush_parcial);
  switch (p.inr_met) {
    case 1:
      v.inrush_fase = v.inrush_total;
      break;
    case 2:
      v.inrush_fase = v.inrush_real;
      break;
    case 3:
      v.inrush_fase = v.inrush_energisa;
      break;
    default:
      v.inrush_fase = v.inrush_parcial;
      break;
  }
  v.inrush_neutro = v.inrush_fase * p.inr_neu;

  double plim;
  switch (p.lim_pot) {
    case 1:
      plim = p.demanda;
      break;
    case 2:
      plim = pot_tot;
      break;
    default:
      plim = std::min(p.demanda, pot_tot);
      break;
  }
  r.relf.cor_par = plim / (R3 * V * p.fatorp) * (1 + p.fat_ipf);
  r.relf.cor_ins = (1 + p.fat_iif) * v.inrush_fase;
  r.reln.cor_par = p.fat_ipn * r.relf.cor_par;
  r.reln.cor_ins = p.fat_iin * r.relf.cor_ins;

  for (tTRAFO& t : r.trafos) {
    const double m = 100 / t.zp;
    t.ansi_f = m * t.inom;
    t.ansi_n = 0.58 * t.ansi_f;
    t.ansi_t = 1250 / (m * m);
  }
}

// Every value the run leaves behind and every value the report derives from
// them must be a finite number.
void confere(const tPRJCALC& p, const tRODADA& r, tCONFERE& cf) {
  const tPRJCALCVAR& v = r.var;
  const double V = p.tensaomt;
  cf.num(v.zb_at, "Zb(MT)");
  cf.num(v.ib_at, "Ib(MT)");
  cf.cplx(v.z1r, "Z1rede");
  cf.cplx(v.z0r, "Z0rede");
  cf.cplx(v.z1c, "Z1cli");
  cf.cplx(v.z0c, "Z0cli");
  cf.cplx(v.zfltpu, "ZF");
  cf.cplx(v.z1_prim, "Z1 da barra MT/CLI");
  cf.cplx(v.zt_prim, "ZT da barra MT/CLI");
  cf.cplx(v.z0r + v.z0c, "Z0 da barra MT/CLI");
  cf.cplx(p.z1caboohm, "Z1 do cabo");
  cf.cplx(p.z0caboohm, "Z0 do cabo");
  cf.num(v.z1_prim.fa(), "FA(Z1) da barra MT/CLI");
  cf.num(v.zt_prim.fa(), "FA(ZT) da barra MT/CLI");
  cf.curto(r.icc_con, "da concessionária");
  cf.curto(r.icc_cli, "da barra MT/CLI");
  cf.num(r.iccmin, "ICCmin");
  cf.num(r.iccmax, "ICCmax");
  int n = 0;
  double pot_tot = 0;
  for (const tTRAFO& t : r.trafos) {
    ++n;
    const std::string onde = fmt::sprintf("da barra T%d", n);
    pot_tot += t.kva;
    cf.cplx(t.z1tr, "Z1tr", onde);
    cf.cplx(t.z1tt, "Z1", onde);
    cf.cplx(t.z0tr, "Z0tr", onde);
    cf.cplx(t.ztt, "ZT", onde);
    cf.cplx(t.z0tr + v.z0r + v.z0c, "Z0", onde);
    cf.num(t.z1tt.fa(), "FA(Z1)", onde);
    cf.num(t.ztt.fa(), "FA(ZT)", onde);
    cf.curto(t.curto, onde);
    const tCURTO bt = t.curto_bt(V);
    cf.num(v.ib_at * 1000 * V / t.ten_sec, "Ib(BT)", onde);
    cf.num(bt.ICC3FA, "ICC3FA (BT)", onde);
    cf.num(bt.ICCFTA, "ICCFTA (BT)", onde);
    cf.num(bt.ICC3F, "ICC3F (BT)", onde);
    cf.num(bt.ICCFT, "ICCFT (BT)", onde);
    cf.num(t.inom, "In", onde);
    cf.num(t.ansi_f, "ANSI fase", onde);
    cf.num(t.ansi_n, "ANSI neutro", onde);
    cf.num(t.ansi_t, "ANSI tempo", onde);
  }
  cf.num(pot_tot, "potência instalada");
  cf.num(pot_tot / (R3 * V), "In da potência instalada");
  cf.num(v.rtc_ind, "Id do TC");
  cf.num(v.rtc_inc, "Ic do TC");
  cf.num(v.rtc_ins, "In do TC");
  cf.num(v.rtc_inm, "ICC3FA/20 do TC");
  cf.num(v.rtc_ise, "Isec do TC");
  cf.num(v.rtc_ise * p.rtc_bur, "Vn do TC");
  cf.num(v.rtc_va_cal, "Carga BURDEN [VA]");
  cf.num(v.inrush_fase, "INRUSH fase");
  cf.num(v.inrush_neutro, "INRUSH neutro");
  cf.num(v.inrush_real, "INRUSH real");
  cf.num(v.inrush_parcial, "INRUSH parcial");
  cf.num(v.inrush_total, "INRUSH total");
  cf.num(v.inrush_energisa, "INRUSH ENERGISA");
  cf.num(r.relf.cor_par, "Ipf");
  cf.num(r.relf.cor_ins, "Iif");
  cf.num(r.reln.cor_par, "Ipn");
  cf.num(r.reln.cor_ins, "Iin");
  cf.num(p.fun_27 * V * 10, "Subtensão");
  cf.num(p.fun_59 * V * 10, "Sobretensão");
}

}  // namespace

tERROCALC::tERROCALC(std::vector<std::string> motivos)
    : std::runtime_error(juntar(motivos)), motivos_(std::move(motivos)) {}

std::vector<std::string> validar(const tPRJCALC& p) {
  std::vector<std::string> m;
  auto positivo = [&m](double v, const char* campo) {
    if (!(v > 0) || !std::isfinite(v))
      m.push_back(fmt::sprintf("%s deve ser maior que zero.", campo));
  };
  if (p.trafos.count() == 0) m.push_back("O sistema deve conter pelo menos um trafo.");
  positivo(p.tensaomt, "Tensão nominal média tensão [kV]");
  positivo(p.potbase, "Potência de base [MVA]");
  positivo(p.fatorp, "Fator de potência");
  if (p.red_inp_mod == RED_AUTOMATICO) {
    // The impedances are derived from these two; 1 A or less means "not given".
    const char* msg =
        "%s deve ser informada (maior que 1 A) quando a impedância de rede é \"Automatico\".";
    if (nao_dado(p.icc_con.ICC3F)) m.push_back(fmt::sprintf(msg, "Corrente ICC3F [A]"));
    if (nao_dado(p.icc_con.ICCFT)) m.push_back(fmt::sprintf(msg, "Corrente ICCFT [A]"));
  }
  int n = 0;
  bool algum_inrush = false;
  for (const auto& t : p.trafos) {
    ++n;
    auto campo = [n](const char* nome) { return fmt::sprintf("Transformador %d: %s", n, nome); };
    if (!(t->kva > 0) || !std::isfinite(t->kva))
      m.push_back(campo("Potência (kVA) deve ser maior que zero."));
    if (!(t->zp > 0) || !std::isfinite(t->zp))
      m.push_back(campo("Impedância (Z1%) deve ser maior que zero."));
    if (t->ten_sec <= 0) m.push_back(campo("Tensão BT (V) deve ser maior que zero."));
    if (t->lig < 0 || t->lig > 3)
      m.push_back(fmt::sprintf("Transformador %d: Ligação (AT-BT) desconhecida (%d).", n, t->lig));
    if (t->imag < 0) m.push_back(campo("Imag (K*In) não pode ser negativo."));
    if (t->imag > 0) algum_inrush = true;
  }
  if (n > 0 && !algum_inrush)
    m.push_back(
        "Imag (K*In) é zero em todos os transformadores: a corrente de magnetização (inrush) "
        "seria nula.");
  return m;
}

namespace {

// The run of calcexec without a word to the user: true when the plausibility
// message is due. Throws tERROCALC.
bool roda(tPRJCALC& proj, tPRJCALCVAR& calc) {
  if (auto m = validar(proj); !m.empty()) throw tERROCALC(std::move(m));

  tRODADA r;
  r.var = calc;
  r.trafos.reserve(static_cast<std::size_t>(proj.trafos.count()));
  for (const auto& t : proj.trafos) r.trafos.push_back(*t);
  r.relf = proj.rele_cli->relf;
  r.reln = proj.rele_cli->reln;

  tCONFERE cf;
  curto_circuito(proj, r, cf);
  ajustes(proj, r);
  confere(proj, r, cf);
  if (auto m = cf.motivos(); !m.empty()) throw tERROCALC(std::move(m));

  // Sound: write everything back.
  calc = std::move(r.var);
  proj.icc_con = r.icc_con;
  proj.icc_cli = r.icc_cli;
  proj.iccmin = r.iccmin;
  proj.iccmax = r.iccmax;
  for (int i = 0; i < proj.trafos.count(); ++i) {
    tTRAFO& t = *proj.trafos.Trafos(i);
    const tTRAFO& c = r.trafos[static_cast<std::size_t>(i)];
    t.inom = c.inom;
    t.curto = c.curto;
    t.ansi_f = c.ansi_f;
    t.ansi_n = c.ansi_n;
    t.ansi_t = c.ansi_t;
    t.z1tr = c.z1tr;
    t.z1tt = c.z1tt;
    t.z0tr = c.z0tr;
    t.ztt = c.ztt;
  }
  tFRELIGA& relf = proj.rele_cli->relf;
  tFRELIGA& reln = proj.rele_cli->reln;
  relf.cor_par = r.relf.cor_par;
  relf.cor_ins = r.relf.cor_ins;
  reln.cor_par = r.reln.cor_par;
  reln.cor_ins = r.reln.cor_ins;

  calc.avisos = avisos_calculo(proj, calc);
  return r.aviso_relacao;
}

}  // namespace

void calcexec(tPRJCALC& proj, tPRJCALCVAR& calc, const tAVISO& aviso) {
  if (roda(proj, calc) && aviso) aviso(MSG_RELACAO_ICC3F);
  for (const std::string& a : calc.avisos) xprint(a);
}

tRESULTADO_CALC prjcalc_calcula(tPRJCALC& proj, tPRJCALCVAR& calc) {
  tRESULTADO_CALC r;
  try {
    if (roda(proj, calc)) {
      r.plausibilidade = MSG_RELACAO_ICC3F;
      for (char& c : r.plausibilidade)
        if (c == '\r') c = '\n';
    }
  } catch (const tERROCALC& e) {
    r.recusa = e.what();
    return r;
  }
  r.avisos = calc.avisos;
  return r;
}

std::vector<std::string> avisos_calculo(const tPRJCALC& p, const tPRJCALCVAR& c) {
  std::vector<std::string> av;
  auto aviso = [&av](const std::string& texto) { av.push_back("#ATENÇÃO: " + texto); };
  const tFRELIGA& relf = p.rele_cli->relf;
  const tFRELIGA& reln = p.rele_cli->reln;
  // "MAX" (5000 A) switches the definite-current element off for this check.
  if (relf.cor_ins < relf.idef && !nearly(1e-6, relf.idef, 5000))
    av.emplace_back("#ATENÇÂO: Corrente FASE definida (IDEF) maior que instantânea.");
  if (reln.cor_ins < reln.idef && !nearly(1e-6, reln.idef, 5000))
    av.emplace_back("#ATENÇÂO: Corrente NEUTRO definida maior que instantânea.");

  int i = 0;
  for (const auto& t : p.trafos) {
    ++i;
    if (relf.cor_ins <= t->curto.ICC3FA)
      aviso(fmt::sprintf(
          "instantânea de FASE do relé do cliente (Iif = %s A) não supera a ICC3FA da barra de "
          "baixa tensão do transformador %d referida à média tensão (%s A): o relé atua no "
          "instantâneo para faltas na baixa tensão e não é seletivo com a proteção de baixa "
          "tensão.",
          num2txt(relf.cor_ins), i, num2txt(t->curto.ICC3FA)));
  }
  if (relf.cor_ins > p.icc_cli.ICC3F)
    aviso(fmt::sprintf(
        "instantânea de FASE do relé do cliente (Iif = %s A) maior que a ICC3F da barra MT/CLI "
        "(%s A): o instantâneo de fase nunca atua.",
        num2txt(relf.cor_ins), num2txt(p.icc_cli.ICC3F)));
  if (relf.cor_par >= p.icc_cli.ICCFT)
    aviso(fmt::sprintf(
        "partida de FASE do relé do cliente (Ipf = %s A) não é menor que a ICCFT da barra MT/CLI "
        "(%s A): a fase não vê a falta fase-terra mínima.",
        num2txt(relf.cor_par), num2txt(p.icc_cli.ICCFT)));
  if (reln.cor_par >= p.icc_cli.ICCFTM)
    aviso(fmt::sprintf(
        "partida de NEUTRO do relé do cliente (Ipn = %s A) não é menor que a ICCFTM da barra "
        "MT/CLI (%s A): o neutro não vê a falta fase-terra pela resistência de falta.",
        num2txt(reln.cor_par), num2txt(p.icc_cli.ICCFTM)));
  // The lookup takes the truncated criterion: only the cap leaves the ratio
  // below it.
  if (para_int(c.rtc_ins) > c.rtc_ino)
    aviso(fmt::sprintf(
        "TC limitado à relação %d/5, abaixo do critério de carga nominal (In = %s A): use um TC "
        "de corrente primária maior.",
        c.rtc_ino, num2txt(c.rtc_ins)));

  const tTRAFO* primeiro = nullptr;
  int n1 = 0;
  i = 0;
  for (const auto& t : p.trafos) {
    ++i;
    if (!t->prll) continue;
    if (primeiro == nullptr) {
      primeiro = t.get();
      n1 = i;
      continue;
    }
    if (t->ten_sec != primeiro->ten_sec)
      aviso(fmt::sprintf(
          "transformadores %d e %d em paralelo com tensões de baixa tensão diferentes (%d V e "
          "%d V).",
          n1, i, primeiro->ten_sec, t->ten_sec));
    if (t->lig != primeiro->lig)
      aviso(fmt::sprintf("transformadores %d e %d em paralelo com ligações diferentes (%s e %s).",
                         n1, i, ligname(primeiro->lig), ligname(t->lig)));
  }
  return av;
}

long long tensao_funcao(int pct, double kv) {
  const double v = pct * kv * 10;
  const double r = std::nearbyint(v);
  const double tol = 4 * std::numeric_limits<double>::epsilon() * std::abs(v);
  return trunca(std::abs(v - r) <= tol ? r : v);
}

int rtc_ino_get(int amp) {
  static constexpr std::array<int, 10> tab = {50, 75, 100, 150, 200, 250, 300, 400, 500, 600};
  for (int v : tab)
    if (v >= amp) return v;
  return tab.back();
}

float rtc_va_get(float va) {
  static constexpr std::array<float, 6> tab = {2.5f, 5, 12.5f, 22.5f, 45, 90};
  for (float v : tab)
    if (v >= va) return v;
  return tab.back();
}

int rtc_vse_get(int volts) {
  static constexpr std::array<int, 7> tab = {10, 20, 50, 100, 200, 400, 800};
  for (int v : tab)
    if (v >= volts) return v;
  return tab.back();
}

}  // namespace tarvinel
