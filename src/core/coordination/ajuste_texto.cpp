#include "core/coordination/ajuste_texto.h"

#include <algorithm>
#include <climits>

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_desenho.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

bool noplano(tPOINTX p) {
  return noeixo(p.x) && noeixo(p.y);
}

}  // namespace

// ---------------------------------------------------------------- text

tAJUSTE_TEXTO::tAJUSTE_TEXTO() : tAJUSTE("tAJUSTE_TEXTO") {
  caption = "Texto";
  paramname = "Texto";
  color = clBlack;
}

std::unique_ptr<tAJUSTE> tAJUSTE_TEXTO::create() const {
  return std::make_unique<tAJUSTE_TEXTO>();
}

void tAJUSTE_TEXTO::showprop(tPROPGRID& vl) {
  tAJUSTE::showprop(vl);
  vl.setvalue(" Dados específicos", "");
  vl.setvalue("Texto/Simbolo", text);
  vl_picklist(vl, "Texto/Simbolo", {"\u2588", "\u25B2", "\u25C6", "\u25CF"});
  vl.setvalue("Tamanho", int2txt(size));
  vl.setnum("X (corrente)", loc.x, real2txt(loc.x, 2));
  vl.setnum("Y (tempo)", loc.y, real2txt(loc.y, 2));
}

void tAJUSTE_TEXTO::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  text = vl_gettexto(vl, "Texto/Simbolo", text);
  size = vl_getint(vl, "Tamanho", size, 1, 100);
  loc.x = vl_getreal(vl, "X (corrente)", loc.x, 0, 1000000);
  loc.y = vl_getreal(vl, "Y (tempo)", loc.y, 0, 1000000);
}

void tAJUSTE_TEXTO::drawto(tCHARTX& chart) {
  if (chart.canvas == nullptr || !noplano(loc)) return;
  // The grid keeps the size within 1..100; a file may hold anything, and a
  // font of a million points would bring the surface to its knees.
  chart.canvas->setfontsize(std::clamp(size, 1, 100));
  chart.canvas->setbrushstyle(tBRUSHSTYLE::clear);
  chart.textout(loc.x, loc.y, text, 1, true);
}

void tAJUSTE_TEXTO::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-texto{");
  tAJUSTE::exportprop(arq);
  arq.adds("texto \"%s\"", text);
  arq.adds("locx %.2f", loc.x);
  arq.adds("locy %.2f", loc.y);
  arq.adds("size %d", size);
  arq.adds("}");
}

void tAJUSTE_TEXTO::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (arq.cmd == "texto")
      text = arq.ps;
    else if (arq.cmd == "locx")
      loc.x = arq.pf;
    else if (arq.cmd == "locy")
      loc.y = arq.pf;
    else if (arq.cmd == "size")
      size = arq.pi;
  }
}

void tAJUSTE_TEXTO::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_TEXTO*>(&dest)) {
    d->text = text;
    d->loc = loc;
    d->size = size;
  }
}

// ---------------------------------------------------------------- cursors

tAJUSTE_CURSOR::tAJUSTE_CURSOR() : tAJUSTE("tAJUSTE_CURSOR") {}

std::unique_ptr<tAJUSTE> tAJUSTE_CURSOR::create() const {
  return std::make_unique<tAJUSTE_CURSOR>();
}

void tAJUSTE_CURSOR::pushcur(tPOINTX p) {
  if (cn % 2 == 0)
    c1 = p;
  else
    c2 = p;
  // INT_MAX is odd: starting again at 0 keeps the alternation.
  cn = cn == INT_MAX ? 0 : cn + 1;
}

void tAJUSTE_CURSOR::drawto(tCHARTX& chart) {
  tCANVAS* cv = chart.canvas;
  if (cv == nullptr) return;
  cv->setpenwidth(chart.linhafina);
  chart.moveto(c1);
  chart.lineto(c2);
  const int w = cv->textwidth("o");
  cv->setbrushstyle(tBRUSHSTYLE::solid);
  cv->setbrushcolor(clWhite);
  chart.circle(c1, w);
  chart.circle(c2, w);
  cv->setbrushstyle(tBRUSHSTYLE::clear);
  if (noplano(c1)) chart.textout(c1.x, c1.y, "a", 1, true);
  if (noplano(c2)) chart.textout(c2.x, c2.y, "b", 1, true);
}

}  // namespace tarvinel
