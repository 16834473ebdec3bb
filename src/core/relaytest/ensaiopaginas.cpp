// The relay test sheet on paper: one page, the chart on the left and the
// table on the right.

#include <fmt/printf.h>

#include <algorithm>

#include "core/chart/chartx.h"
#include "core/coordination/coordpaginas.h"
#include "core/foundation/estado.h"
#include "core/relaytest/ensaio.h"

namespace tarvinel {

namespace {

constexpr const char* kFORMATOTABELA = "%-4s%-10s%-10s%-10s%-11s%-10s";

// The share of the page width the chart takes; the table has the rest.
constexpr double kLARGURAGRAFICO = 0.64;
// The test's own lines and points on paper: about their screen size.
constexpr int kESCALAPAPEL = kDPIPAPEL / 96;

void gradelinhas(const tPROPGRID& g, std::vector<std::string>& l) {
  for (int i = 0; i < g.count(); ++i) l.push_back(g.row(i).key + ": " + g.row(i).value);
}

}  // namespace

std::vector<std::string> linhasensaio(tFOLHAENSAIO& folha) {
  const std::vector<tENSAIO> ensaio = folha.avaliar();
  std::vector<std::string> l;
  gradelinhas(folha.geral, l);
  l.emplace_back("");
  gradelinhas(folha.curva, l);
  l.emplace_back("");
  const tTABELA& t = folha.tabela;
  l.push_back(fmt::sprintf(kFORMATOTABELA, t.cell(colNUM, 0), t.cell(colIREF, 0),
                           t.cell(colTREF, 0), t.cell(colTMED, 0), t.cell(colDELTA, 0),
                           t.cell(colDESVIO, 0)));
  for (int r = 1; r <= folha.linhas(); ++r)
    l.push_back(fmt::sprintf(kFORMATOTABELA, std::to_string(r), t.cell(colIREF, r),
                             t.cell(colTREF, r), t.cell(colTMED, r), t.cell(colDELTA, r),
                             t.cell(colDESVIO, r)));
  return l;
}

int compoeensaio(tPAGINAS& pag, tFOLHAENSAIO& folha) {
  tPRINTSCOPE imprimindo;
  tCANVAS& cv = pag.canvas();
  const int w = cv.width();
  const int h = cv.height();

  tCHARTX chart;
  chart.limites = {1, 10000, 0.01, 100};
  chart.canvas = &cv;
  const int wg = static_cast<int>(w * kLARGURAGRAFICO);
  tSUPERFICIE papel;
  papel.limpafundo = false;
  papel.linhafina = kLINHAFINA_PAPEL;
  papel.linhagrossa = kLINHAGROSSA_PAPEL;
  papel.folga = static_cast<int>(w * 0.05);
  papel.escala = kESCALAPAPEL;
  drawchart(chart, folha, wg, h, 0, papel);
  chart.canvas = nullptr;

  // The table in the largest size up to 10 points that fits its column and
  // the page; at least 5 points, so it stays legible.
  const std::vector<std::string> linhas = linhasensaio(folha);
  tFONT f;
  f.name = "Courier New";
  const int x = wg + papel.folga / 2;
  const int larg = w - x;
  int hl = 1;
  for (f.size = 10; f.size > 5; --f.size) {
    cv.setfont(f);
    hl = std::max(1, cv.textheight("A"));
    int maior = 0;
    for (const std::string& s : linhas) maior = std::max(maior, cv.textwidth(s));
    if (maior <= larg && (static_cast<int>(linhas.size()) + 2) * hl <= h) break;
  }
  cv.setfont(f);
  hl = std::max(1, cv.textheight("A"));
  cv.setbrushstyle(tBRUSHSTYLE::clear);
  cv.setfontcolor(clBlack);
  int y = papel.folga;
  for (const std::string& s : linhas) {
    if (!s.empty()) cv.textout(x, y, s);
    y += hl;
  }
  return 1;
}

}  // namespace tarvinel
