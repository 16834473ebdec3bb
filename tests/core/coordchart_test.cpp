#include "core/coordination/coordchart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/foundation/contato.h"
#include "core/foundation/estado.h"

using namespace tarvinel;

namespace {

// An empty chart (no example settings) with a recognisable title.
std::unique_ptr<tPRJCOORD> vazio() {
  auto p = prjcoord_novo();
  p->ajustes.destroyitens();
  p->titulo = "Teste";
  return p;
}

tAJUSTE_TEXTO* texto(tPRJCOORD& p, const std::string& t, bool visible = true) {
  auto a = std::make_unique<tAJUSTE_TEXTO>();
  a->text = t;
  a->visible = visible;
  a->color = 0x00AA55;
  return static_cast<tAJUSTE_TEXTO*>(p.ajustes.add(std::move(a)));
}

std::vector<std::string> linhas(const std::string& s) {
  std::vector<std::string> v;
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t j = s.find("\r\n", i);
    if (j == std::string::npos) {
      v.push_back(s.substr(i) + "<sem CR LF>");
      break;
    }
    v.push_back(s.substr(i, j - i));
    i = j + 2;
  }
  return v;
}

TEST(drawcoord, NumeraTodosEDesenhaSoOsVisiveis) {
  auto p = vazio();
  texto(*p, "primeiro");
  texto(*p, "escondido", false);
  texto(*p, "terceiro");
  for (const auto& a : p->ajustes) a->seq = 99;
  tCHARTX chart;
  tCANVASREC rec;
  drawcoord(*p, chart, rec, 1024, 50, 768, tOPCOES_GRAF{});

  std::vector<int> seqs;
  for (const auto& a : p->ajustes) seqs.push_back(a->seq);
  EXPECT_EQ(seqs, (std::vector<int>{1, 2, 3}));
  EXPECT_NE(rec.findtext("primeiro"), nullptr);
  EXPECT_EQ(rec.findtext("escondido"), nullptr);
  ASSERT_NE(rec.findtext("terceiro"), nullptr);
  EXPECT_EQ(rec.findtext("terceiro")->font.color, 0x00AA55);
  EXPECT_EQ(chart.canvas, nullptr) << "the surface must not outlive the paint";
}

TEST(drawcoord, TextosVerticaisNoCantoInferiorEsquerdo) {
  const std::string antes = versionline;
  versionline = "Tarvinel 2.0.0 (teste)";
  auto p = vazio();
  tCHARTX chart;
  tCANVASREC rec;
  tOPCOES_GRAF opt;
  opt.lim_inf = 10;
  opt.lim_sup = 50000;
  drawcoord(*p, chart, rec, 1024, 50, 768, opt);
  versionline = antes;

  const tPOINTX canto = chart.rl2px(10, chart.limites.yl);
  struct Caso {
    std::string texto;
    int dx, dy;
  };
  // One and three letter widths right, two and one text heights up.
  const Caso casos[] = {{"Tarvinel 2.0.0 (teste)", 7, -26}, {site_contato, 21, -13}};
  for (const Caso& c : casos) {
    const tCANVASOP* op = rec.findtext(c.texto);
    ASSERT_NE(op, nullptr) << c.texto;
    EXPECT_EQ(op->pts[0], (tPOINTI{tCHARTX::pix(canto.x + c.dx), tCHARTX::pix(canto.y + c.dy)}))
        << c.texto;
    EXPECT_EQ(op->font.orientation, 900) << c.texto;
    EXPECT_EQ(op->font.color, clBlack) << c.texto;
    EXPECT_EQ(op->brush.style, tBRUSHSTYLE::clear) << c.texto;
  }
}

TEST(drawcoord, GraficoVazioTemSoFundoGradeTituloEOsDoisTextos) {
  auto p = vazio();
  tCHARTX chart;
  tCANVASREC rec;
  drawcoord(*p, chart, rec, 800, 40, 600, tOPCOES_GRAF{});

  // The same chart drawn by hand: background, grid, frame and title.
  tCHARTX ref;
  tCANVASREC r2;
  ref.canvas = &r2;
  ref.limpafundo = true;
  ref.titulo = "Teste";
  ref.setwh(800, 600, 40);
  r2.setfontname("Tahoma");
  ref.defaultpen();
  ref.repaint();

  ASSERT_EQ(rec.ops.size(), r2.ops.size() + 2);
  for (std::size_t i = 0; i < r2.ops.size(); ++i) {
    EXPECT_EQ(rec.ops[i].kind, r2.ops[i].kind) << "op " << i;
    EXPECT_EQ(rec.ops[i].pts, r2.ops[i].pts) << "op " << i;
  }
  EXPECT_EQ(rec.ops[r2.ops.size()].text, versionline);
  EXPECT_EQ(rec.ops[r2.ops.size() + 1].text, site_contato);
  EXPECT_NE(rec.findtext("Teste"), nullptr);
}

TEST(drawcoord, TensaoDoProjetoPassaAoPontoAnsi) {
  auto p = vazio();
  auto* t = static_cast<tAJUSTE_TRAFO*>(p->ajustes.add(std::make_unique<tAJUSTE_TRAFO>()));
  tCANVASREC rec;
  tOPCOES_GRAF opt;
  opt.neutro = false;
  for (double kv : {13.8, 34.5}) {
    p->ten_nom = kv;
    t->tensao = 0;
    rec.clear();
    tCHARTX chart;
    drawcoord(*p, chart, rec, 1024, 50, 768, opt);
    EXPECT_DOUBLE_EQ(t->tensao, kv);
    // The phase triangle's apex sits above the ANSI point of that voltage.
    const double ifase = 20 * 225 / (std::sqrt(3.0) * kv);
    const tPOINTX px = chart.rl2px(ifase, 1250.0 / 400);
    const auto tri = rec.of(tOPKIND::polygon);
    ASSERT_EQ(tri.size(), 1u) << kv;
    EXPECT_EQ(tri[0].pts[0].x, tCHARTX::pix(px.x)) << kv;
    EXPECT_NE(rec.findtext("225F"), nullptr) << kv;
  }
  // A hidden ANSI point is left as it was.
  t->visible = false;
  t->tensao = 0;
  tCHARTX chart;
  drawcoord(*p, chart, rec, 1024, 50, 768, opt);
  EXPECT_EQ(t->tensao, 0);
}

TEST(drawcoord, OpcoesDeExibicaoIgnoradasAoImprimir) {
  struct Caso {
    bool imprimindo;
    bool legenda, fase, neutro;  // on the chart afterwards
  };
  const Caso casos[] = {{false, false, false, true}, {true, true, true, false}};
  for (const Caso& c : casos) {
    auto p = vazio();
    tCHARTX chart;
    // As the print step leaves them.
    chart.showlegend = true;
    chart.show_fase = true;
    chart.show_neutro = false;
    tOPCOES_GRAF opt;
    opt.legenda = false;
    opt.fase = false;
    opt.neutro = true;
    opt.linha = true;
    opt.limpafundo = false;
    opt.linhafina = 5;
    opt.linhagrossa = 20;
    tCANVASREC rec;
    if (c.imprimindo) {
      tPRINTSCOPE scope;
      drawcoord(*p, chart, rec, 1024, 50, 768, opt);
    } else {
      drawcoord(*p, chart, rec, 1024, 50, 768, opt);
    }
    const std::string nome = c.imprimindo ? "imprimindo" : "na tela";
    EXPECT_EQ(chart.showlegend, c.legenda) << nome;
    EXPECT_EQ(chart.show_fase, c.fase) << nome;
    EXPECT_EQ(chart.show_neutro, c.neutro) << nome;
    // Line style and surface settings apply either way.
    EXPECT_EQ(chart.tra_cur, false) << nome;
    EXPECT_EQ(chart.linhafina, 5) << nome;
    EXPECT_EQ(chart.linhagrossa, 20) << nome;
    EXPECT_EQ(rec.count(tOPKIND::rectangle), 1) << nome << ": frame only, no background";
  }
}

TEST(drawcoord, LimitesECursores) {
  auto p = vazio();
  tAJUSTE_CURSOR cur;
  cur.pushcur({600, 1});
  cur.pushcur({900, 10});
  struct Caso {
    bool cursor;
    bool passa;  // cursors handed over
    int letras;  // "a" and "b" drawn
  };
  for (const Caso& c : {Caso{true, true, 2}, Caso{false, true, 0}, Caso{true, false, 0}}) {
    tCHARTX chart;
    tCANVASREC rec;
    tOPCOES_GRAF opt;
    opt.cursor = c.cursor;
    opt.lim_inf = 500;
    opt.lim_sup = 1000;
    drawcoord(*p, chart, rec, 1024, 50, 768, opt, c.passa ? &cur : nullptr);
    EXPECT_EQ(chart.limites.xl, 500);
    EXPECT_EQ(chart.limites.xh, 1000);
    const int n = (rec.findtext("a") != nullptr) + (rec.findtext("b") != nullptr);
    EXPECT_EQ(n, c.letras) << "cursor " << c.cursor << ", passa " << c.passa;
  }
}

// Values only a damaged or hand-edited file holds must not disturb the
// drawing: every pixel handed to the surface stays a bounded integer.
TEST(drawcoord, ValoresEnormesNaoQuebramODesenho) {
  const double big = 1e308;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double v : {big, -big, nan, 0.0, 1e-308}) {
    auto p = prjcoord_novo();
    p->ten_nom = v;
    for (const auto& a : p->ajustes) {
      if (auto* r = dynamic_cast<tAJUSTE_RELIGA*>(a.get())) {
        r->relf.cor_par = v;
        r->reln.dt = v;
        r->relf.ptxt = v;
      } else if (auto* m = dynamic_cast<tAJUSTE_MINMAX*>(a.get())) {
        m->iccmax = v;
      } else if (auto* t = dynamic_cast<tAJUSTE_TRAFO*>(a.get())) {
        t->kva = v;
      } else if (auto* i = dynamic_cast<tAJUSTE_INRUSH*>(a.get())) {
        i->inrush = v;
      }
    }
    auto* x = texto(*p, "longe");
    x->loc = {v, v};
    x->size = 2000000000;
    tCHARTX chart;
    tCANVASREC rec;
    drawcoord(*p, chart, rec, 1024, 50, 768, tOPCOES_GRAF{});
    for (const tCANVASOP& op : rec.ops)
      for (const tPOINTI& pt : op.pts) {
        ASSERT_LE(std::abs(pt.x), tCHARTX::kPixMax) << v << " " << op.kind;
        ASSERT_LE(std::abs(pt.y), tCHARTX::kPixMax) << v << " " << op.kind;
      }
    EXPECT_NE(rec.findtext(site_contato), nullptr) << v;
  }
}

TEST(textoajustes, ExemploDoNovoCoordenograma) {
  auto p = prjcoord_novo();
  p->ajustes.Getajustes(3)->obs = "trafo da entrada";
  const std::string s = textoajustes(*p);
  const std::vector<std::string> l = linhas(s);

  std::vector<std::string> cabecalhos;
  for (std::size_t i = 0; i < l.size(); ++i) {
    const std::string& x = l[i];
    if (x.empty() || x[0] == '\t') continue;
    cabecalhos.push_back(x);
    EXPECT_TRUE(i == 0 || l[i - 1].empty()) << "a block begins after an empty line: " << x;
  }
  EXPECT_EQ(cabecalhos, (std::vector<std::string>{
                            "1) Ajuste Rele/Religador: Concessionária",
                            "2) Ajuste Rele/Religador: Cliente",
                            "3) ICC min/max/nom: Concessionária",
                            "4) Ponto ANSI: Principal",
                            "5) Corrente InRush: INRUSH",
                            "6) Elo fisível tipo K: Principal",
                            "7) Curva de danos em cabo: Distribuição",
                        }));
  ASSERT_FALSE(l.empty());
  EXPECT_EQ(l.back(), "");

  auto tem = [&](const std::string& x) {
    int n = 0;
    for (const auto& y : l) n += y == x;
    return n;
  };
  EXPECT_EQ(tem("\tModelo/Marca: Não especificado"), 2);
  EXPECT_EQ(tem("\tFASE.Partida [A]: 400.0"), 1);
  EXPECT_EQ(tem("\tFASE.Partida [A]: 10.0"), 1);
  EXPECT_EQ(tem("\tObservações: trafo da entrada"), 1);
  for (const std::string k : {"Nome", "Cor", "Visível", "Observações", "FASE.Texto Local Curva[s]",
                              "NEUT.Texto Local Curva[s]", " Dados gerais", " Dados específicos"}) {
    for (const auto& y : l) {
      if (y == "\tObservações: trafo da entrada") continue;
      EXPECT_NE(y.rfind("\t" + k + ":", 0), 0u) << "row left out: " << y;
    }
  }
  for (const auto& y : l) {
    if (y.empty() || y[0] != '\t') continue;
    EXPECT_NE(y.find(": "), std::string::npos) << y;
  }
}

TEST(textoajustes, GraficoSemAjustesDaTextoVazio) {
  auto p = vazio();
  EXPECT_EQ(textoajustes(*p), "");
}

}  // namespace
