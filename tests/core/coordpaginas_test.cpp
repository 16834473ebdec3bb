// The printed pages composed in core, on a recording surface of paper
// pixels: the pages of a chart job, what each chart page holds, the relay
// test's page and the report's pages.

#include "core/coordination/coordpaginas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/calculation/paginacao.h"
#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/prjcoord.h"
#include "core/foundation/estado.h"
#include "core/relaytest/ensaio.h"

using namespace tarvinel;

namespace {

// A4 portrait at 600 dpi less 10 mm margins, in paper pixels.
constexpr int kW = 4724;
constexpr int kH = 6779;

// The job's pages on one recording surface; a page is the calls between two
// page breaks.
struct tPAGINASREC : tPAGINAS {
  tCANVASREC c{kW, kH};
  std::vector<std::size_t> quebras;
  tCANVAS& canvas() override { return c; }
  void novapagina() override { quebras.push_back(c.ops.size()); }

  std::vector<std::vector<tCANVASOP>> paginas() const {
    std::vector<std::vector<tCANVASOP>> p(1);
    for (std::size_t i = 0; i < c.ops.size(); ++i) {
      while (p.size() - 1 < quebras.size() && i >= quebras[p.size() - 1]) p.emplace_back();
      p.back().push_back(c.ops[i]);
    }
    while (p.size() < quebras.size() + 1) p.emplace_back();
    return p;
  }
};

// A chart with one relay: phase pickup 100 A, neutral 10 A.
std::unique_ptr<tPRJCOORD> um_rele() {
  auto prj = prjcoord_novo();
  prj->ajustes.destroyitens();
  auto* r = static_cast<tAJUSTE_RELIGA*>(prj->ajustes.add(ajuste_por_bloco("ajuste-religador{")));
  r->relf.cor_par = 100;
  r->relf.cor_ins = 0;
  r->reln.cor_par = 10;
  r->reln.cor_ins = 0;
  return prj;
}

// The lowest current any curve (polyline) of the page reaches, in A.
double menor_corrente(const std::vector<tCANVASOP>& pagina) {
  tCHARTX ref;
  ref.limites = {1, 10000, 0.01, 100};
  ref.setwh(kW, kH, static_cast<int>(kW * 0.05));
  double menor = 1e9;
  for (const tCANVASOP& op : pagina)
    if (op.kind == tOPKIND::polyline)
      for (const tPOINTI& p : op.pts) menor = std::min(menor, ref.px2rl(p.x, p.y).x);
  return menor;
}

}  // namespace

// Pages of the job; the frame of every chart page drawn 20 paper pixels wide;
// the paper's background left alone; `printing` given back.
TEST(CompoeCoord, PaginasMolduraEFundo) {
  for (const bool separar : {false, true}) {
    auto prj = prjcoord_novo();
    tPAGINASREC pag;
    const int n = compoecoord(pag, *prj, tOPCOES_GRAF{}, separar, nullptr, "01/02/03");
    EXPECT_FALSE(printing) << "separar " << separar;
    EXPECT_EQ(n, separar ? 3 : 2) << "separar " << separar;
    const auto paginas = pag.paginas();
    ASSERT_EQ(paginas.size(), static_cast<std::size_t>(n)) << "separar " << separar;
    for (int i = 0; i + 1 < n; ++i) {
      int molduras = 0;
      for (const tCANVASOP& op : paginas[i]) {
        if (op.kind != tOPKIND::rectangle) continue;
        EXPECT_FALSE(op.pts[0] == (tPOINTI{0, 0})) << "fundo pintado na página " << i + 1;
        if (op.pen.width == kLINHAGROSSA_PAPEL && op.brush.style == tBRUSHSTYLE::clear) ++molduras;
      }
      EXPECT_EQ(molduras, 1) << "página " << i + 1 << " separar " << separar;
    }
    const std::vector<tCANVASOP>& resumo = paginas.back();
    ASSERT_FALSE(resumo.empty());
    EXPECT_EQ(resumo.back().text.rfind("Software: ", 0), 0u);
  }
}

// Printed separately, the first page holds the phase curves only and the
// second the neutral ones; together, one page holds both.
TEST(CompoeCoord, SeparadoPrimeiraPaginaSemNeutro) {
  struct tCASO {
    bool separar;
    std::vector<double> menor;  // lowest current of the curves per chart page
  };
  const tCASO casos[] = {{false, {10}}, {true, {100, 10}}};
  for (const tCASO& c : casos) {
    auto prj = um_rele();
    tPAGINASREC pag;
    compoecoord(pag, *prj, tOPCOES_GRAF{}, c.separar, nullptr, "01/02/03");
    const auto paginas = pag.paginas();
    for (std::size_t i = 0; i < c.menor.size(); ++i)
      EXPECT_NEAR(menor_corrente(paginas[i]), c.menor[i], c.menor[i] * 0.05)
          << "página " << i + 1 << " separar " << c.separar;
  }
}

// The relay test's page: the chart in the left part with the paper's frame,
// the table on the right, whole, above the page's foot.
TEST(CompoeEnsaio, GraficoETabelaNumaPagina) {
  tFOLHAENSAIO folha;
  folha.gerarcurva();
  tPAGINASREC pag;
  pag.c = tCANVASREC(kH, kW);  // landscape
  EXPECT_EQ(compoeensaio(pag, folha), 1);
  EXPECT_FALSE(printing);
  EXPECT_TRUE(pag.quebras.empty());
  const std::vector<std::string> linhas = linhasensaio(folha);
  ASSERT_EQ(linhas.size(), 5u + 1 + 5 + 1 + 1 + 10);
  EXPECT_EQ(linhas[12].substr(0, 24), "#   Iref [A]  Tref [s]  ");
  EXPECT_EQ(linhas.back().substr(0, 4), "10  ");
  int molduras = 0;
  for (const tCANVASOP& op : pag.c.ops)
    if (op.kind == tOPKIND::rectangle && op.pen.width == kLINHAGROSSA_PAPEL) {
      ++molduras;
      EXPECT_LT(op.pts[1].x, kH * 0.64);
    }
  EXPECT_EQ(molduras, 1);
  for (const std::string& l : linhas) {
    if (l.empty()) continue;
    const tCANVASOP* t = pag.c.findtext(l);
    ASSERT_NE(t, nullptr) << l;
    EXPECT_GT(t->pts[0].x, kH * 0.64) << l;
    EXPECT_LE(t->pts[0].x + static_cast<int>(l.size()) * tCANVASREC::kCharWidth, kH) << l;
    EXPECT_LT(t->pts[0].y + tCANVASREC::kTextHeight, kW) << l;
  }
}

// The report on pages: every line where paginar puts it, a page break where
// it breaks.
TEST(CompoeRelatorio, LinhasNasPosicoesDePaginar) {
  std::vector<std::string> linhas;
  for (int i = 0; i < 700; ++i) linhas.push_back(i % 9 == 0 ? "" : "linha " + std::to_string(i));
  tPAGINASREC pag;
  const std::vector<tPOSLINHA> pos = paginar(linhas, kH, tCANVASREC::kTextHeight);
  EXPECT_EQ(compoerelatorio(pag, linhas), paginas(pos));
  EXPECT_EQ(static_cast<int>(pag.quebras.size()) + 1, paginas(pos));
  const auto p = pag.paginas();
  std::size_t k = 0;
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    if (linhas[i].empty()) continue;
    const auto& pg = p.at(static_cast<std::size_t>(pos[i].pagina));
    const auto it = std::find_if(pg.begin(), pg.end(), [&](const tCANVASOP& op) {
      return op.kind == tOPKIND::text && op.text == linhas[i];
    });
    ASSERT_NE(it, pg.end()) << linhas[i];
    EXPECT_EQ(it->pts[0].y, pos[i].y) << linhas[i];
    EXPECT_EQ(it->pts[0].x, 5 * tCANVASREC::kCharWidth) << linhas[i];
    ++k;
  }
  EXPECT_GT(k, 600u);
}
