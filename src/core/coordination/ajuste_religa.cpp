#include "core/coordination/ajuste_religa.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

#include "core/chart/canvas.h"
#include "core/chart/chartx.h"
#include "core/coordination/danos.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

int g_religacount = 0;

// Grid bounds shared by both kinds: currents and dial, legend position and
// minimum time.
constexpr double kMaxGrade = 1000000;
constexpr double kPtxtMin = 0.1;
constexpr double kPtxtMax = 100;
constexpr double kTminMin = 0.01;
constexpr double kTminMax = 100;

const tNOMES kOffMinMax = {"OFF", "MIN", "MAX"};

bool startswith(std::string_view s, std::string_view p) {
  return s.substr(0, p.size()) == p;
}

// The nine rows of one function of a relay; `pre` is "FASE." or "NEUT.". The
// pickup, the instantaneous current and the legend position only when `all`.
void showfunc(tPROPGRID& vl, const std::string& pre, const tFRELIGA& f, bool all) {
  vl.setvalue(pre + "Nome", f.alias);
  vl.setvalue(pre + "Curva Principal", f.nom_cur);
  vl.setbutton(pre + "Curva Principal");
  if (all) vl.setnum(pre + "Partida [A]", f.cor_par, num2txt(f.cor_par));
  vl.setnum(pre + "DialTime [s]", f.dt, num2txt(f.dt));
  if (all) {
    vl.setnum(pre + "Instantanea [A]", f.cor_ins, num2txt(f.cor_ins));
    vl_picklist(vl, pre + "Instantanea [A]", {"OFF"});
  }
  vl.setnum(pre + "IDEF [A]", f.idef, idef2txt(f.idef));
  vl_picklist(vl, pre + "IDEF [A]", kOffMinMax);
  vl.setnum(pre + "TDEF [s]", f.tdef, tdef2txt(f.tdef));
  vl_picklist(vl, pre + "TDEF [s]", kOffMinMax);
  vl.setnum(pre + "Tempo mínimo[s]", f.tmin, real2txt(f.tmin, 2));
  if (all) vl.setnum(pre + "Texto Local Curva[s]", f.ptxt, num2txt(f.ptxt));
}

// A definite current or time row (also the instantaneous row, which offers
// "OFF"): the exact number while the row is untouched, otherwise the typed
// word or number; clipped either way.
double getdef(const tPROPGRID& vl, const std::string& key, double atual,
              double (*conv)(std::string_view, double, double, double)) {
  if (auto e = vl_exato(vl, key)) return std::clamp(*e, 0.0, kMaxGrade);
  return conv(vl.value(key), atual, 0, kMaxGrade);
}

double txt2ins(std::string_view s, double def, double min, double max) {
  return s == "OFF" ? 0 : txt2real(s, def, min, max);
}

// Reads back what showfunc shows. Rows left out of the reduced form are not
// read at all, so their values survive whatever the grid holds.
void getfunc(const tPROPGRID& vl, const std::string& pre, tFRELIGA& f, bool all) {
  f.alias = vl_gettexto(vl, pre + "Nome", f.alias);
  f.nom_cur = vl_gettexto(vl, pre + "Curva Principal", f.nom_cur);
  if (all) {
    f.cor_par = vl_getreal(vl, pre + "Partida [A]", f.cor_par, 0, kMaxGrade);
    // The relay's instantaneous row offers the word "OFF" for "no element".
    f.cor_ins = getdef(vl, pre + "Instantanea [A]", f.cor_ins, txt2ins);
  }
  f.dt = vl_getreal(vl, pre + "DialTime [s]", f.dt, 0, kMaxGrade);
  f.idef = getdef(vl, pre + "IDEF [A]", f.idef, txt2idef);
  f.tdef = getdef(vl, pre + "TDEF [s]", f.tdef, txt2tdef);
  if (all) f.ptxt = vl_getreal(vl, pre + "Texto Local Curva[s]", f.ptxt, kPtxtMin, kPtxtMax);
  f.tmin = vl_getreal(vl, pre + "Tempo mínimo[s]", f.tmin, kTminMin, kTminMax);
}

// The key lines of one function in file order; `pre` is "relf-", "reln-" or "rel-".
void exportfunc(tSTRINGARQ& arq, const std::string& pre, const tFRELIGA& f) {
  arq.adds(pre + "alias \"%s\"", f.alias);
  arq.adds(pre + "curve \"%s\"", f.nom_cur);
  arq.adds(pre + "ip %.3f", f.cor_par);
  arq.adds(pre + "ii %.3f", f.cor_ins);
  arq.adds(pre + "dt %.3f", f.dt);
  arq.adds(pre + "idef %.3f", f.idef);
  arq.adds(pre + "tdef %.3f", f.tdef);
  arq.adds(pre + "ptxt %.3f", f.ptxt);
  arq.adds(pre + "tmin %.3f", f.tmin);
}

// One key of a function, the prefix already removed. "nbr" is the legacy
// curve number, read but never written; whichever of "nbr" and "curve" comes
// later in the block wins.
void importfunc(const tSTRINGARQ& arq, std::string_view key, tFRELIGA& f) {
  if (key == "alias")
    f.alias = arq.ps;
  else if (key == "curve")
    f.nom_cur = arq.ps;
  else if (key == "nbr")
    f.nom_cur = curvebynbr(arq.pi);
  else if (key == "ip")
    f.cor_par = arq.pf;
  else if (key == "ii")
    f.cor_ins = arq.pf;
  else if (key == "dt")
    f.dt = arq.pf;
  else if (key == "idef")
    f.idef = arq.pf;
  else if (key == "tdef")
    f.tdef = arq.pf;
  else if (key == "ptxt")
    f.ptxt = arq.pf;
  else if (key == "tmin")
    f.tmin = arq.pf;
}

// Hints both kinds share, by the row name without the relay's prefix.
std::string funchint(std::string_view key) {
  if (key == "Curva Principal")
    return "Selecione o tipo de curva. Toda curva permite o ajuste da curva auxiliar de "
           "tempo/corrente definida além da curva principal, para deixar apenas a curva "
           "detempo/corrente selecione \"TDEF/IDEF\"";
  if (key == "Partida [A]") return "Corrente de partida (pickup)";
  if (key == "DialTime [s]") return "Deslocamento de tempo da curva";
  if (key == "IDEF [A]")
    return "Curva de corrente definida, informe um valor ou selecione uma das opções.";
  if (key == "TDEF [s]")
    return "Curva de tempo definido, informe um valor ou selecione uma das opções.";
  if (key == "Texto Local Curva[s]") return "Posição da legenda na curva no coordenograma";
  return "";
}

const char* const kHintNome = "Identificação da curva, como FASE,NEUTRO,50/51...";

void setpen(tCANVAS& cv, tCOR color, int width, tPENSTYLE style) {
  cv.setpencolor(color);
  cv.setpenwidth(width);
  cv.setpenstyle(style);
}

}  // namespace

int religacount() {
  return g_religacount;
}

void religacount_reset() {
  g_religacount = 0;
}

std::string curvebynbr(int n) {
  static const std::array<const char*, 15> nomes = {
      "IEC-NI",    "IEC-MI", "IEC-LI",  "IEC-EI",  "IEEE-MI", "IEEE-VI", "IEEE-EI", "NC-RI",
      "TDEF/IDEF", "NC-OFF", "CURVA 1", "CURVA 2", "CURVA 3", "CURVA 4", "CURVA 5"};
  if (n < 0 || n >= static_cast<int>(nomes.size())) return nomes[0];
  return nomes[static_cast<std::size_t>(n)];
}

// ---------------------------------------------------------------- relay

tAJUSTE_RELIGA::tAJUSTE_RELIGA() : tAJUSTE("tAJUSTE_RELIGA") {
  // Utility relay, customer relay, then the example of the add menu. The
  // instantaneous is ten times the phase pickup, the neutral pickup a tenth.
  struct tPADRAO {
    const char* caption;
    tCOR color;
    double cor_par, idef, tdef, ptxt;
  };
  static const tPADRAO padroes[] = {
      {"Concessionária", clGreen, 400, 5000, 240, 1},
      {"Cliente", clBlue, 10, 20, 1, 5},
      {"Exemplo", clRed, 100, 5000, 240, 1},
  };
  const tPADRAO& p = padroes[g_religacount < 2 ? g_religacount : 2];

  paramname = "Ajuste Rele/Religador";
  caption = p.caption;
  color = p.color;
  modelo = "Não especificado";
  showall = true;

  relf.alias = "FASE";
  relf.nom_cur = "IEC-NI";
  relf.cor_par = p.cor_par;
  relf.cor_ins = 10 * p.cor_par;
  relf.dt = 0.2;
  relf.idef = p.idef;
  relf.tdef = p.tdef;
  relf.tmin = 0.05;
  relf.ptxt = p.ptxt;

  reln.alias = "NEUTRO";
  reln.nom_cur = relf.nom_cur;
  reln.cor_par = 0.1 * p.cor_par;
  reln.cor_ins = 0;
  reln.dt = 0.1;
  reln.idef = 5000;
  reln.tdef = 240;
  reln.tmin = 0.03;
  reln.ptxt = 0.5;

  if (g_religacount < INT_MAX) ++g_religacount;
}

std::unique_ptr<tAJUSTE> tAJUSTE_RELIGA::create() const {
  return std::make_unique<tAJUSTE_RELIGA>();
}

void tAJUSTE_RELIGA::showprop(tPROPGRID& vl) {
  if (showall) tAJUSTE::showprop(vl);
  vl.setvalue(" Dados específicos", "");
  vl.setvalue("Modelo/Marca", modelo);
  vl.setvalue(" Dados de Fase", "");
  showfunc(vl, "FASE.", relf, showall);
  vl.setvalue(" Dados de Neutro", "");
  showfunc(vl, "NEUT.", reln, showall);
  // A calculation's relay is the customer's, at the calculation's voltage.
  if (showall) showtensao(vl);
}

void tAJUSTE_RELIGA::getprop(const tPROPGRID& vl) {
  if (showall) tAJUSTE::getprop(vl);
  modelo = vl_gettexto(vl, "Modelo/Marca", modelo);
  getfunc(vl, "FASE.", relf, showall);
  getfunc(vl, "NEUT.", reln, showall);
  if (showall) gettensao(vl);
}

void tAJUSTE_RELIGA::drawto(tCHARTX& chart) {
  if (!chart.canvas) return;
  tCANVAS& cv = *chart.canvas;
  const int grossa = chart.linhagrossa;
  const double f = fator_corrente(*this, chart.tensao);
  const std::string legenda = caption + sufixo_tensao(*this, chart.tensao);
  setpen(cv, color, chart.tra_cur ? grossa : 1, chart.tra_cur ? tPENSTYLE::solid : tPENSTYLE::dash);
  if (chart.show_fase) relf.drawto(chart, legenda, f);
  setpen(cv, color, chart.tra_cur ? 1 : grossa, chart.tra_cur ? tPENSTYLE::dash : tPENSTYLE::solid);
  if (chart.show_neutro) reln.drawto(chart, legenda, f);
}

void tAJUSTE_RELIGA::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-religador{");
  tAJUSTE::exportprop(arq);
  arq.adds("modelo \"%s\"", modelo);
  exportfunc(arq, "relf-", relf);
  exportfunc(arq, "reln-", reln);
  exportref(arq);
  exporttensao(arq);
  arq.adds("}");
}

void tAJUSTE_RELIGA::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    const std::string_view cmd = arq.cmd;
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (cmd == "modelo")
      modelo = arq.ps;
    else if (importref(arq))
      continue;
    else if (startswith(cmd, "relf-"))
      importfunc(arq, cmd.substr(5), relf);
    else if (startswith(cmd, "reln-"))
      importfunc(arq, cmd.substr(5), reln);
    else
      importtensao(arq);
  }
}

void tAJUSTE_RELIGA::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_RELIGA*>(&dest)) {
    d->modelo = modelo;
    d->relf = relf;
    d->reln = reln;
  }
}

std::string tAJUSTE_RELIGA::gethint(const std::string& prop) const {
  if (prop == "Modelo/Marca") return "Modelo do rele/resligador";
  if (startswith(prop, "FASE.") || startswith(prop, "NEUT.")) {
    const std::string_view key = std::string_view(prop).substr(5);
    if (key == "Nome") return kHintNome;
    if (key == "Instantanea [A]") return "Corrente de trip instantânea, digite 0 para desligar.";
    std::string h = funchint(key);
    if (!h.empty()) return h;
  }
  return tAJUSTE::gethint(prop);
}

// ---------------------------------------------------------------- single curve

tAJUSTE_CURVA::tAJUSTE_CURVA() : tAJUSTE("tAJUSTE_CURVA") {
  paramname = "Curva de proteção";
  caption = "Exemplo";
  color = clRed;
  rel.alias = "50GS/51GS";
  rel.nom_cur = "IEC-NI";
  rel.cor_par = 100;
  rel.dt = 0.2;
  rel.cor_ins = 1000;
  rel.idef = 5000;
  rel.tdef = 240;
  rel.ptxt = 1;
  rel.tmin = 0;
  tipo = 0;
}

std::unique_ptr<tAJUSTE> tAJUSTE_CURVA::create() const {
  return std::make_unique<tAJUSTE_CURVA>();
}

void tAJUSTE_CURVA::showprop(tPROPGRID& vl) {
  tAJUSTE::showprop(vl);
  vl.setvalue(" Dados específicos", "");
  vl.setvalue(" Curva", "");
  vl.setvalue("Nome curva", rel.alias);
  vl.setvalue("Tipo", tipo == 0 ? "FASE" : "NEUTRO");
  vl_picklist(vl, "Tipo", {"FASE", "NEUTRO"});
  vl.setvalue("Curva Principal", rel.nom_cur);
  vl.setbutton("Curva Principal");
  vl.setnum("Partida [A]", rel.cor_par, num2txt(rel.cor_par));
  vl.setnum("DialTime [s]", rel.dt, num2txt(rel.dt));
  vl.setnum("Instantanea [A]", rel.cor_ins, num2txt(rel.cor_ins));
  vl.setnum("IDEF [A]", rel.idef, idef2txt(rel.idef));
  vl_picklist(vl, "IDEF [A]", kOffMinMax);
  vl.setnum("TDEF [s]", rel.tdef, tdef2txt(rel.tdef));
  vl_picklist(vl, "TDEF [s]", kOffMinMax);
  vl.setnum("Tempo mínimo[s]", rel.tmin, real2txt(rel.tmin, 2));
  vl.setnum("Texto Local Curva[s]", rel.ptxt, num2txt(rel.ptxt));
  showtensao(vl);
}

void tAJUSTE_CURVA::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  rel.alias = vl_gettexto(vl, "Nome curva", rel.alias);
  rel.nom_cur = vl_gettexto(vl, "Curva Principal", rel.nom_cur);
  rel.cor_par = vl_getreal(vl, "Partida [A]", rel.cor_par, 0, kMaxGrade);
  rel.cor_ins = vl_getreal(vl, "Instantanea [A]", rel.cor_ins, 0, kMaxGrade);
  rel.dt = vl_getreal(vl, "DialTime [s]", rel.dt, 0, kMaxGrade);
  rel.idef = getdef(vl, "IDEF [A]", rel.idef, txt2idef);
  rel.tdef = getdef(vl, "TDEF [s]", rel.tdef, txt2tdef);
  rel.ptxt = vl_getreal(vl, "Texto Local Curva[s]", rel.ptxt, kPtxtMin, kPtxtMax);
  rel.tmin = vl_getreal(vl, "Tempo mínimo[s]", rel.tmin, kTminMin, kTminMax);
  // Anything but the exact word "FASE" makes a neutral function; a grid
  // without the row leaves the kind alone, and so does a neutral row over a
  // neutral kind other than 1 (read from a file), so Apply keeps it.
  if (const tPROPROW* r = vl.find("Tipo")) {
    if (r->value == "FASE")
      tipo = 0;
    else if (tipo == 0)
      tipo = 1;
  }
  gettensao(vl);
}

void tAJUSTE_CURVA::drawto(tCHARTX& chart) {
  if (!chart.canvas) return;
  const bool fase = tipo == 0;
  if (fase ? !chart.show_fase : !chart.show_neutro) return;
  if (fase)
    setpen(*chart.canvas, color, chart.linhagrossa, tPENSTYLE::solid);
  else
    setpen(*chart.canvas, color, 1, tPENSTYLE::dash);
  rel.drawto(chart, caption + sufixo_tensao(*this, chart.tensao),
             fator_corrente(*this, chart.tensao));
}

void tAJUSTE_CURVA::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-curva{");
  tAJUSTE::exportprop(arq);
  exportfunc(arq, "rel-", rel);
  arq.adds("rel-tipo %d", tipo);
  exportref(arq);
  exporttensao(arq);
  arq.adds("}");
}

void tAJUSTE_CURVA::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    const std::string_view cmd = arq.cmd;
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (importref(arq))
      continue;
    else if (cmd == "rel-tipo")
      tipo = arq.pi;  // kept as read: any kind but 0 shows and draws as neutral
    else if (startswith(cmd, "rel-"))
      importfunc(arq, cmd.substr(4), rel);
    else
      importtensao(arq);
  }
}

void tAJUSTE_CURVA::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_CURVA*>(&dest)) {
    d->rel = rel;
    d->tipo = tipo;
  }
}

std::string tAJUSTE_CURVA::gethint(const std::string& prop) const {
  if (prop == "Nome curva") return kHintNome;
  if (prop == "Instantanea [A]") return "Corrente de trip instantânea";
  std::string h = funchint(prop);
  if (!h.empty()) return h;
  return tAJUSTE::gethint(prop);
}

}  // namespace tarvinel
