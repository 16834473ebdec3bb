#include "core/coordination/ajuste_marcas.h"

#include <fmt/printf.h>

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_desenho.h"
#include "core/coordination/danos.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

// ------------------------------------------------------ short-circuit marks

tAJUSTE_MINMAX::tAJUSTE_MINMAX() : tAJUSTE("tAJUSTE_MINMAX") {
  caption = "Concessionária";
  paramname = "ICC min/max/nom";
  color = clBlack;
}

std::unique_ptr<tAJUSTE> tAJUSTE_MINMAX::create() const {
  return std::make_unique<tAJUSTE_MINMAX>();
}

void tAJUSTE_MINMAX::showprop(tPROPGRID& vl) {
  tAJUSTE::showprop(vl);
  vl.setnum("ICC-mínimo [A]", iccmin, round2txt(iccmin));
  vl.setnum("ICC-máximo [A]", iccmax, round2txt(iccmax));
  vl.setnum("I-nominal [A]", inom, round2txt(inom));
  showtensao(vl);
}

void tAJUSTE_MINMAX::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  iccmin = vl_getreal(vl, "ICC-mínimo [A]", iccmin, 0, 1000000);
  iccmax = vl_getreal(vl, "ICC-máximo [A]", iccmax, 0, 1000000);
  inom = vl_getreal(vl, "I-nominal [A]", inom, 0, 1000000);
  gettensao(vl);
}

void tAJUSTE_MINMAX::drawto(tCHARTX& chart) {
  // Marks at the chart's currents, labels with the setting's own.
  const double f = fator_corrente(*this, chart.tensao);
  const std::string v = sufixo_tensao(*this, chart.tensao);
  drawicc(chart, fmt::sprintf("ICCmin: %dA", trunca(iccmin)) + v, color, iccmin * f);
  drawicc(chart, fmt::sprintf("ICCmax: %dA", trunca(iccmax)) + v, color, iccmax * f);
  drawicc(chart, fmt::sprintf("Inom: %.1fA", inom) + v, color, inom * f);
}

void tAJUSTE_MINMAX::drawicc(tCHARTX& chart, const std::string& label, tCOR cor, double i) const {
  if (!noeixo(i)) return;
  tCANVAS* cv = chart.canvas;
  if (cv == nullptr) return;
  cv->setpencolor(cor);
  cv->setpenstyle(tPENSTYLE::solid);
  cv->setpenwidth(chart.linhagrossa);
  // Upward text; it stays so until the next defaultpen.
  cv->setfontorientation(900);
  // Thick above 10 s and below 0.1 s, dashed in between, where the curves are.
  chart.moveto(i, 100);
  chart.lineto(i, 10);
  chart.moveto(i, 0.1);
  chart.lineto(i, 0.01);
  const tPOINTX p = chart.rl2px(i, 15);
  const double th = cv->textheight(label);
  if (chart.showlegend) chart.textout(p.x - 1.2 * th, p.y, label, 0, false);
  cv->setpenstyle(tPENSTYLE::dash);
  cv->setpenwidth(1);
  chart.moveto(i, 10);
  chart.lineto(i, 0.1);
}

void tAJUSTE_MINMAX::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-iccminmax{");
  tAJUSTE::exportprop(arq);
  arq.adds("iccmin %.3f", iccmin);
  arq.adds("iccmax %.3f", iccmax);
  arq.adds("inom %.3f", inom);
  exporttensao(arq);
  arq.adds("}");
}

void tAJUSTE_MINMAX::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (arq.cmd == "iccmin")
      iccmin = arq.pf;
    else if (arq.cmd == "iccmax")
      iccmax = arq.pf;
    else if (arq.cmd == "inom")
      inom = arq.pf;
    else
      importtensao(arq);
  }
}

void tAJUSTE_MINMAX::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_MINMAX*>(&dest)) {
    d->iccmin = iccmin;
    d->iccmax = iccmax;
    d->inom = inom;
  }
}

std::string tAJUSTE_MINMAX::gethint(const std::string& prop) const {
  if (prop == "ICC-mínimo [A]") return "Valor mínimo da corrente de curto circuito";
  if (prop == "ICC-máximo [A]") return "Valor máximo da corrente de curto circuito";
  if (prop == "I-nominal [A]") return "Valor da corrente nominal do circuito";
  return tAJUSTE::gethint(prop);
}

// -------------------------------------------------- definite current/time

tAJUSTE_DEFIT::tAJUSTE_DEFIT() : tAJUSTE("tAJUSTE_DEFIT") {
  caption = "Principal";
  paramname = "Corrente/Tempo definidos";
  color = clRed;
}

std::unique_ptr<tAJUSTE> tAJUSTE_DEFIT::create() const {
  return std::make_unique<tAJUSTE_DEFIT>();
}

void tAJUSTE_DEFIT::showprop(tPROPGRID& vl) {
  tAJUSTE::showprop(vl);
  vl.setnum("FASE-IDEF [A]", idef_f, num2txt(idef_f));
  vl.setnum("FASE-TDEF [s]", tdef_f, num2txt(tdef_f));
  vl.setnum("NEUT-IDEF [A]", idef_n, num2txt(idef_n));
  vl.setnum("NEUT-TDEF [s]", tdef_n, num2txt(tdef_n));
}

void tAJUSTE_DEFIT::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  idef_f = vl_getreal(vl, "FASE-IDEF [A]", idef_f, 0, 1000000);
  tdef_f = vl_getreal(vl, "FASE-TDEF [s]", tdef_f, 0, 1000000);
  idef_n = vl_getreal(vl, "NEUT-IDEF [A]", idef_n, 0, 1000000);
  tdef_n = vl_getreal(vl, "NEUT-TDEF [s]", tdef_n, 0, 1000000);
}

void tAJUSTE_DEFIT::drawto(tCHARTX& chart) {
  tCANVAS* cv = chart.canvas;
  if (cv == nullptr) return;
  cv->setpencolor(color);
  cv->setpenwidth(chart.linhafina);
  cv->setpenstyle(tPENSTYLE::dash);
  drawdef(chart, idef_f, tdef_f);
  cv->setpenwidth(chart.linhagrossa);
  cv->setpenstyle(tPENSTYLE::solid);
  drawdef(chart, idef_n, tdef_n);
}

void tAJUSTE_DEFIT::drawdef(tCHARTX& chart, double i, double t) const {
  // A current or time of 0 is a function switched off: no corner at all,
  // rather than half a corner running to the chart's edge.
  if (!noeixo(i) || !noeixo(t)) return;
  chart.moveto(i, chart.limites.yh);
  chart.lineto(i, t);
  chart.lineto(chart.limites.xh, t);
}

void tAJUSTE_DEFIT::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-defit{");
  tAJUSTE::exportprop(arq);
  arq.adds("idef_f %.3f", idef_f);
  arq.adds("idef_n %.3f", idef_n);
  arq.adds("tdef_f %.3f", tdef_f);
  arq.adds("tdef_n %.3f", tdef_n);
  arq.adds("}");
}

void tAJUSTE_DEFIT::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (arq.cmd == "idef_f")
      idef_f = arq.pf;
    else if (arq.cmd == "idef_n")
      idef_n = arq.pf;
    else if (arq.cmd == "tdef_f")
      tdef_f = arq.pf;
    else if (arq.cmd == "tdef_n")
      tdef_n = arq.pf;
  }
}

void tAJUSTE_DEFIT::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_DEFIT*>(&dest)) {
    d->idef_f = idef_f;
    d->idef_n = idef_n;
    d->tdef_f = tdef_f;
    d->tdef_n = tdef_n;
  }
}

}  // namespace tarvinel
