#include "core/relaytest/ensaio.h"

#include <utility>

#include "core/chart/chartx.h"
#include "core/foundation/contato.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

const tNOMES kTitulos = {"#", "Iref [A]", "Tref [s]", "Tmed [s]", "Delta [s]", "Desvio [%]"};

}  // namespace

tFOLHAENSAIO::tFOLHAENSAIO() {
  geral.setvalue("Título do gráfico", "novo ensaio");
  geral.setvalue("Cliente", "");
  geral.setvalue("Local", "");
  geral.setvalue("Relé", "");
  geral.setvalue("Técnico", "");

  curva.setvalue("Tipo de curva", "IEC-NI");
  curva.setbutton("Tipo de curva");
  curva.setvalue("Corrente de partida [A]", "100");
  curva.setvalue("Corrent instantânea [A]", "500");
  curva.setvalue("Multiplicador de tempo [s]", "1");
  curva.setvalue("Amostras", "10");

  sg_titles(tabela, kTitulos);
  tabela.setrowcount(4);
  sg_setrow(tabela, 1, {"", "100", "1.00", "0.99", "?", "??"});
  sg_setrow(tabela, 2, {"", "200", "0.80", "0.82", "?", "??"});
  sg_setrow(tabela, 3, {"", "400", "0.60", "0.63", "?", "??"});
}

std::string tFOLHAENSAIO::titulo() const {
  return geral.value("Título do gráfico");
}

tCURVAENSAIO tFOLHAENSAIO::lercurva() const {
  tCURVAENSAIO c;
  c.fr.nom_cur = curva.value("Tipo de curva");
  c.fr.cor_par = vl_getreal(curva, "Corrente de partida [A]", 1, 1, 1000000);
  c.fr.cor_ins = vl_getreal(curva, "Corrent instantânea [A]", 1, 1, 1000000);
  c.fr.dt = vl_getreal(curva, "Multiplicador de tempo [s]", 1, 0.001, 1000);
  c.n = vl_getint(curva, "Amostras", 10, 3, 30);
  return c;
}

void tFOLHAENSAIO::gerarcurva() {
  const tCURVAENSAIO c = lercurva();
  tabela.setrowcount(c.n + 1);
  for (int k = 0; k < c.n; ++k) {
    const double i = c.fr.cor_par + (c.fr.cor_ins - c.fr.cor_par) * k / (c.n - 1);
    const double t = c.fr.calc(i, true);
    tabela.setcell(colIREF, k + 1, real2txt(i, 2));
    tabela.setcell(colTREF, k + 1, real2txt(t, 2));
  }
  // The last row keeps the instantaneous current its Tref was computed for,
  // so every generated row is a point of the curve.
}

void tFOLHAENSAIO::atualizarow(int row) {
  if (row < 1 || row > linhas()) return;
  const tCURVAENSAIO c = lercurva();
  const double i = txt2real(tabela.cell(colIREF, row), 1, 1, 1000000);
  tabela.setcell(colTREF, row, real2txt(c.fr.calc(i, true), 2));
}

std::vector<tENSAIO> tFOLHAENSAIO::avaliar() {
  std::vector<tENSAIO> r(static_cast<std::size_t>(std::max(linhas(), 0)));
  for (int row = 1; row <= linhas(); ++row) {
    tENSAIO& e = r[static_cast<std::size_t>(row - 1)];
    e.iref = txt2real(tabela.cell(colIREF, row), 0, 0.01, 1000000);
    e.tref = txt2real(tabela.cell(colTREF, row), 0, 0.01, 100);
    e.tmed = txt2real(tabela.cell(colTMED, row), 0, 0.01, 100);
    e.tdif = e.tmed - e.tref;
    e.desv = e.tdif * 100 / e.tref;  // tref >= 0.01 after clamping
    tabela.setcell(colDELTA, row, num2txt(e.tdif));
    tabela.setcell(colDESVIO, row, num2txt(e.desv));
  }
  return r;
}

void tFOLHAENSAIO::novoponto() {
  const int last = linhas();
  const int nova = last + 1;
  tabela.setrowcount(nova + 1);
  if (last < 1) return;  // nothing to copy: an empty row
  for (int c = 0; c < tabela.colcount(); ++c) tabela.setcell(c, nova, tabela.cell(c, last));
}

int tFOLHAENSAIO::excluir(int row) {
  if (linhas() <= 1 || row < 1 || row > linhas()) return row;
  for (int r = row; r < linhas(); ++r)
    for (int c = 0; c < tabela.colcount(); ++c) tabela.setcell(c, r, tabela.cell(c, r + 1));
  tabela.setrowcount(tabela.rowcount() - 1);
  return std::min(row, linhas());
}

int tFOLHAENSAIO::subir(int row) {
  if (row <= 1 || row > linhas()) return row;
  trocalinhas(row, row - 1);
  return row - 1;
}

int tFOLHAENSAIO::descer(int row) {
  if (row < 1 || row >= linhas()) return row;
  trocalinhas(row, row + 1);
  return row + 1;
}

void tFOLHAENSAIO::trocalinhas(int a, int b) {
  for (int c = 0; c < tabela.colcount(); ++c) {
    std::string t = tabela.cell(c, a);
    tabela.setcell(c, a, tabela.cell(c, b));
    tabela.setcell(c, b, t);
  }
}

std::vector<tENSAIO> plottest(tCHARTX& chart, tFOLHAENSAIO& folha, int selrow, int escala) {
  if (folha.atualizatref) folha.atualizarow(selrow);
  std::vector<tENSAIO> ensaio = folha.avaliar();
  tCANVAS* cv = chart.canvas;
  if (cv == nullptr || ensaio.empty()) return ensaio;

  // Reference line, then the same line again as a wide light band; in mask
  // mode the band only darkens, so the grid and the line stay visible in it.
  auto linha = [&] {
    chart.moveto(ensaio.front().iref, ensaio.front().tref);
    for (std::size_t k = 1; k < ensaio.size(); ++k) chart.lineto(ensaio[k].iref, ensaio[k].tref);
  };
  cv->setpenwidth(3 * escala);
  cv->setpencolor(clBlue);
  linha();
  cv->setpenwidth(30 * escala);
  cv->setpencolor(clFaixa);
  cv->setpenmode(tPENMODE::mask);
  linha();

  // The 8-pixel box (times escala) around a mapped point.
  const int r = 4 * escala;
  auto caixa = [&](double i, double t, bool circulo) {
    const tPOINTX p = chart.rl2px(i, t);
    const int x = tCHARTX::pix(roundeven(p.x));
    const int y = tCHARTX::pix(roundeven(p.y));
    if (circulo)
      cv->ellipse(x - r, y - r, x + r, y + r);
    else
      cv->rectangle(x - r, y - r, x + r, y + r);
  };
  chart.defaultpen();
  cv->setpencolor(clBlue);
  cv->setbrush(tBRUSH{clBlue, tBRUSHSTYLE::solid});
  for (const tENSAIO& e : ensaio) caixa(e.iref, e.tref, false);
  chart.defaultpen();
  cv->setpencolor(clMedido);
  cv->setbrush(tBRUSH{clMedido, tBRUSHSTYLE::solid});
  for (const tENSAIO& e : ensaio) caixa(e.iref, e.tmed, true);
  return ensaio;
}

std::vector<tENSAIO> drawchart(tCHARTX& chart, tFOLHAENSAIO& folha, int w, int h, int selrow) {
  return drawchart(chart, folha, w, h, selrow, tSUPERFICIE{});
}

std::vector<tENSAIO> drawchart(tCHARTX& chart, tFOLHAENSAIO& folha, int w, int h, int selrow,
                               const tSUPERFICIE& sup) {
  tCANVAS* cv = chart.canvas;
  chart.limpafundo = sup.limpafundo;
  chart.linhafina = sup.linhafina;
  chart.linhagrossa = sup.linhagrossa;
  chart.setwh(w, h, sup.folga);
  if (cv != nullptr) {
    cv->setfontname("Tahoma");
    cv->setfontsize(10);
  }
  chart.titulo = folha.titulo();
  chart.defaultpen();
  chart.repaint();
  std::vector<tENSAIO> ensaio = plottest(chart, folha, selrow, sup.escala);
  if (cv == nullptr) return ensaio;
  chart.defaultpen();
  cv->setfontorientation(900);
  cv->setfontcolor(clGrade);
  cv->setbrushstyle(tBRUSHSTYLE::clear);
  chart.textout(chart.limites.xl, chart.limites.yl, versionline, 100, true);
  chart.textout(chart.limites.xl, chart.limites.yl, site_contato, 101, true);
  chart.defaultpen();
  return ensaio;
}

}  // namespace tarvinel
