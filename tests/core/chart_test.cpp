#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/foundation/estado.h"

using namespace tarvinel;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The chart of most tests: 1000 x 700 pixels, margin 50, 1 A .. 10 kA,
// 0.01 s .. 100 s. Window (75, 950, 50, 650).
struct Grafico {
  tCANVASREC rec{1000, 700};
  tCHARTX chart;
  Grafico() {
    chart.canvas = &rec;
    chart.setwh(1000, 700, 50);
    chart.limites = {1, 10000, 0.01, 100};
  }
};

std::string pt(tPOINTI p) {
  return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

// Vertical lines (current grid) and horizontal lines (time grid) of a repaint.
std::vector<tCANVASOP> verticais(const tCANVASREC& rec) {
  std::vector<tCANVASOP> r;
  for (const tCANVASOP& op : rec.of(tOPKIND::line))
    if (op.pts[0].x == op.pts[1].x) r.push_back(op);
  return r;
}
std::vector<tCANVASOP> horizontais(const tCANVASREC& rec) {
  std::vector<tCANVASOP> r;
  for (const tCANVASOP& op : rec.of(tOPKIND::line))
    if (op.pts[0].y == op.pts[1].y) r.push_back(op);
  return r;
}

TEST(Grafico, SetwhImpoeMinimoEMargemEsquerdaDeUmaEMeia) {
  struct Caso {
    int nw, nh, folga;
    int w, h;
    tRECTX window;
  };
  const Caso casos[] = {
      {100, 150, 50, 200, 200, {75, 150, 50, 150}},
      {1000, 700, 50, 1000, 700, {75, 950, 50, 650}},
      {1024, 768, 50, 1024, 768, {75, 974, 50, 718}},
      {2480, 3508, 33, 2480, 3508, {49, 2447, 33, 3475}},  // 1.5 x 33 truncated
      {199, 201, 0, 200, 201, {0, 200, 0, 201}},
  };
  for (const Caso& c : casos) {
    tCHARTX chart;
    chart.setwh(c.nw, c.nh, c.folga);
    SCOPED_TRACE(testing::Message() << "setwh(" << c.nw << "," << c.nh << "," << c.folga << ")");
    EXPECT_EQ(chart.w, c.w);
    EXPECT_EQ(chart.h, c.h);
    EXPECT_EQ(chart.window.xl, c.window.xl);
    EXPECT_EQ(chart.window.xh, c.window.xh);
    EXPECT_EQ(chart.window.yl, c.window.yl);
    EXPECT_EQ(chart.window.yh, c.window.yh);
  }
}

TEST(Grafico, MapeamentoDosCantosEPontosInternos) {
  Grafico g;
  struct Caso {
    double ix, t;  // amperes, seconds
    double px, py;
  };
  const Caso casos[] = {
      {1, 100, 75, 50},          {10000, 0.01, 949, 649},     {1, 0.01, 75, 649},
      {10000, 100, 949, 50},     {10, 1, 293.5, 349.5},       {100, 0.1, 512, 499.25},
      {1000, 10, 730.5, 199.75}, {0.1, 1000, -143.5, -99.75},  // outside the limits: outside the
                                                               // window, no clipping
  };
  for (const Caso& c : casos) {
    const tPOINTX p = g.chart.rl2px(c.ix, c.t);
    EXPECT_NEAR(p.x, c.px, 1e-9) << "rl2px(" << c.ix << "," << c.t << ")";
    EXPECT_NEAR(p.y, c.py, 1e-9) << "rl2px(" << c.ix << "," << c.t << ")";
    const tPOINTX r = g.chart.px2rl(p);
    EXPECT_NEAR(r.x / c.ix, 1, 1e-12) << "px2rl(rl2px(" << c.ix << "," << c.t << "))";
    EXPECT_NEAR(r.y / c.t, 1, 1e-12) << "px2rl(rl2px(" << c.ix << "," << c.t << "))";
  }
}

TEST(Grafico, MapeamentoIdaEVoltaEmTodaAJanela) {
  // The inverse is exact for every pixel of the window and for other limits.
  const tRECTX limites[] = {{1, 10000, 0.01, 100}, {0.5, 100, 0.01, 100}, {5, 50000, 0.01, 250}};
  for (const tRECTX& lim : limites) {
    Grafico g;
    g.chart.setwh(1024, 768, 50);
    g.chart.limites = lim;
    for (int x = 75; x <= 974; x += 29)
      for (int y = 50; y <= 718; y += 23) {
        const tPOINTX p = g.chart.rl2px(g.chart.px2rl(x, y));
        ASSERT_NEAR(p.x, x, 1e-7) << "limites " << lim.xl << ".." << lim.xh << " pixel " << x << ","
                                  << y;
        ASSERT_NEAR(p.y, y, 1e-7) << "limites " << lim.xl << ".." << lim.xh << " pixel " << x << ","
                                  << y;
      }
  }
}

TEST(Grafico, PontoSemLugarNoEixoLogaritmico) {
  Grafico g;
  const tPOINTX origem[] = {{0, 1}, {1, 0}, {-5, 1}, {10, -0.1}, {0, 0}};
  for (const tPOINTX& rl : origem) {
    const tPOINTX p = g.chart.rl2px(rl);
    EXPECT_EQ(p.x, 0) << "rl2px(" << rl.x << "," << rl.y << ")";
    EXPECT_EQ(p.y, 0) << "rl2px(" << rl.x << "," << rl.y << ")";
  }
  const tPOINTX n = g.chart.rl2px(kNaN, 1);
  EXPECT_TRUE(std::isnan(n.x)) << n.x;
}

TEST(Grafico, DefaultpenConformeImpressao) {
  for (bool imprimindo : {false, true}) {
    Grafico g;
    g.rec.setpen({7, clRed, tPENSTYLE::dash, tPENMODE::mask});
    g.rec.setbrush({clBlue, tBRUSHSTYLE::clear});
    g.rec.setfont({"Arial", 30, clGreen, 900, false});
    printing = imprimindo;
    g.chart.defaultpen();
    printing = false;
    SCOPED_TRACE(imprimindo ? "imprimindo" : "na tela");
    EXPECT_EQ(g.rec.pen(), (tPEN{1, clBlack, tPENSTYLE::solid, tPENMODE::copy}));
    EXPECT_EQ(g.rec.brush(), (tBRUSH{clWhite, tBRUSHSTYLE::solid}));
    EXPECT_EQ(g.rec.font(), (tFONT{"Arial", imprimindo ? 8 : 10, clBlack, 0, true}));
  }
}

TEST(Grafico, GradeDeCorrenteDe1AA10kA) {
  Grafico g;
  g.chart.defaultpen();
  g.chart.repaint();
  const auto linhas = verticais(g.rec);
  // Frame sides are rectangles, not lines; every vertical line is the grid.
  ASSERT_EQ(linhas.size(), 37u);  // 1..9, 10..90, 100..900, 1000..9000, 10000
  struct Decada {
    int idx, x;
  };
  const Decada decadas[] = {{0, 75}, {9, 293}, {18, 512}, {27, 730}, {36, 949}};
  for (const Decada& d : decadas) {
    EXPECT_EQ(linhas[d.idx].pts[0].x, d.x) << "linha " << d.idx;
    EXPECT_EQ(linhas[d.idx].pen.color, clBlack) << "linha " << d.idx;
  }
  for (size_t k = 0; k < linhas.size(); ++k) {
    EXPECT_EQ(linhas[k].pen.color, k % 9 == 0 ? clBlack : clGrade) << "linha " << k;
    EXPECT_EQ(linhas[k].pen.width, 1) << "linha " << k;
    EXPECT_EQ(pt(linhas[k].pts[0]), pt({linhas[k].pts[0].x, 649})) << "linha " << k;
    EXPECT_EQ(pt(linhas[k].pts[1]), pt({linhas[k].pts[0].x, 50})) << "linha " << k;
  }
  // 2 A: log10(2) / 4 x 874 + 75 = 140.78...
  EXPECT_EQ(linhas[1].pts[0].x, 140);

  const tCANVASOP* um = g.rec.findtext("1A");
  ASSERT_NE(um, nullptr);
  EXPECT_EQ(pt(um->pts[0]), pt({75 - 7, 649 + 10}));  // centred under the line
  const tCANVASOP* dez = g.rec.findtext("10A");
  ASSERT_NE(dez, nullptr);
  EXPECT_EQ(pt(dez->pts[0]), pt({283, 659}));  // 293.5 - 10.5
}

std::vector<std::string> rotulosdecorrente(const tCANVASREC& rec) {
  std::vector<std::string> r;
  for (const std::string& t : rec.texts())
    if (!t.empty() && t.back() != 's' && t != "Coordenograma") r.push_back(t);
  return r;
}

TEST(Grafico, RotulosDeCorrenteConformeLimites) {
  struct Caso {
    double xl, xh;
    bool editor;
    double mul;
    double primeira;  // current of the first vertical line
    std::vector<std::string> rotulos;
  };
  const Caso casos[] = {
      {1, 10000, false, 1, 1, {"1A", "10A", "100A", "1kA", "10kA"}},
      {1, 100000, false, 1, 1, {"1A", "10A", "100A", "1kA", "10kA", "100kA"}},
      {5, 10000, false, 1, 5, {"10A", "100A", "1kA", "10kA"}},
      {30, 50000, false, 1, 30, {"100A", "1kA", "10kA"}},
      {500, 7000, false, 1, 500, {"1kA"}},
      {0.5, 100, false, 1, 1, {"1A", "10A", "100A"}},
      {0.5, 100, true, 1, 1, {"1", "10", "100"}},
      {0.5, 100, true, 2.5, 1, {"2", "25", "250"}},
      {1, 10000, true, 1000, 1, {"1000", "10000", "100000", "1000000", "10000000"}},
  };
  for (const Caso& c : casos) {
    Grafico g;
    g.chart.limites = {c.xl, c.xh, 0.01, 100};
    g.chart.curveditor = c.editor;
    g.chart.mul_vis = c.mul;
    g.chart.defaultpen();
    g.chart.repaint();
    SCOPED_TRACE(testing::Message() << "limites " << c.xl << ".." << c.xh << " editor " << c.editor
                                    << " mul_vis " << c.mul);
    EXPECT_EQ(rotulosdecorrente(g.rec), c.rotulos);
    const auto linhas = verticais(g.rec);
    ASSERT_FALSE(linhas.empty());
    EXPECT_EQ(linhas[0].pts[0].x, tCHARTX::pix(g.chart.rl2px(c.primeira, 1).x));
    // No grid line lies left of the window.
    for (const tCANVASOP& op : linhas) EXPECT_GE(op.pts[0].x, 75);
  }
}

// A zoomed chart labels more lines: the 2, 3 and 5 lines under two decades,
// every line under one, never two labels touching.
TEST(Grafico, RotulosDasLinhasIntermediariasEmFaixasCurtas) {
  struct Caso {
    tRECTX lim;
    std::vector<std::string> correntes, tempos;
  };
  const Caso casos[] = {
      {{1, 10000, 0.01, 100},
       {"1A", "10A", "100A", "1kA", "10kA"},
       {"0.01s", "0.1s", "1s", "10s", "100s"}},
      {{100, 2000, 0.2, 10},
       {"100A", "200A", "300A", "500A", "1kA", "2kA"},
       {"0.2s", "0.3s", "0.5s", "1s", "2s", "3s", "5s", "10s"}},
      {{300, 1000, 0.2, 1},
       {"300A", "400A", "500A", "600A", "700A", "800A", "900A", "1kA"},
       {"0.2s", "0.3s", "0.4s", "0.5s", "0.6s", "0.7s", "0.8s", "0.9s", "1s"}},
  };
  for (const Caso& c : casos) {
    Grafico g;
    g.chart.subrotulos = true;
    g.chart.limites = c.lim;
    g.chart.defaultpen();
    g.chart.repaint();
    SCOPED_TRACE(testing::Message()
                 << c.lim.xl << ".." << c.lim.xh << " A, " << c.lim.yl << ".." << c.lim.yh << " s");
    EXPECT_EQ(rotulosdecorrente(g.rec), c.correntes);
    std::vector<std::string> tempos;
    std::vector<tRECTI> caixas;
    for (const tCANVASOP& op : g.rec.of(tOPKIND::text)) {
      if (op.text.back() == 's') tempos.push_back(op.text);
      if (op.text == g.chart.titulo) continue;
      const tPOINTI o = op.pts[0];
      caixas.push_back({o.x, o.y, o.x + g.rec.textwidth(op.text), o.y + tCANVASREC::kTextHeight});
    }
    EXPECT_EQ(tempos, c.tempos);
    for (std::size_t i = 0; i < caixas.size(); ++i)
      for (std::size_t j = i + 1; j < caixas.size(); ++j) {
        const tRECTI &a = caixas[i], &b = caixas[j];
        EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
            << "rótulos " << i << " e " << j;
      }
  }
}

// Two labels written at one point: the second moves up or down by the least
// distance and keeps a leader to the point, drawn before both texts so it
// never runs over the label that stayed.
TEST(Grafico, RotulosNoMesmoPontoSeAfastamComLinhaDeChamada) {
  Grafico g;
  g.chart.juntarotulos = true;
  for (int grupo : {1, 2}) {
    g.chart.grupo = grupo;
    g.chart.textout(100, 1, "ELO 20K", 1, true);
  }
  g.chart.juntarotulos = false;
  EXPECT_TRUE(g.rec.ops.empty()) << "collected, not drawn";
  g.chart.poerotulos();
  std::vector<int> textos, linhas;
  for (int k = 0; k < static_cast<int>(g.rec.ops.size()); ++k) {
    if (g.rec.ops[k].kind == tOPKIND::text) textos.push_back(k);
    if (g.rec.ops[k].kind == tOPKIND::line) linhas.push_back(k);
  }
  ASSERT_EQ(textos.size(), 2u);
  ASSERT_EQ(linhas.size(), 1u);
  EXPECT_LT(linhas[0], textos[0]);
  const tPOINTI a = g.rec.ops[textos[0]].pts[0], b = g.rec.ops[textos[1]].pts[0];
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(std::abs(a.y - b.y), tCANVASREC::kTextHeight + 1) << "a pixel between them";
}

TEST(Grafico, GradeDeTempo) {
  struct Caso {
    double yh;
    double ultima;  // last horizontal line, seconds
    size_t nlinhas;
    std::vector<std::string> rotulos;
  };
  const Caso casos[] = {
      {100, 100, 37, {"0.01s", "0.1s", "1s", "10s", "100s"}},
      {250, 300, 39, {"0.01s", "0.1s", "1s", "10s", "100s"}},
      {1000, 1000, 46, {"0.01s", "0.1s", "1s", "10s", "100s", "1000s"}},
      {0.05, 0.05, 5, {"0.01s"}},
  };
  for (const Caso& c : casos) {
    Grafico g;
    g.chart.limites.yh = c.yh;
    g.chart.defaultpen();
    g.chart.repaint();
    SCOPED_TRACE(testing::Message() << "limite superior " << c.yh << " s");
    const auto linhas = horizontais(g.rec);
    ASSERT_EQ(linhas.size(), c.nlinhas);
    EXPECT_EQ(linhas.front().pts[0].y, tCHARTX::pix(g.chart.rl2px(1, 0.01).y));
    EXPECT_EQ(linhas.back().pts[0].y, tCHARTX::pix(g.chart.rl2px(1, c.ultima).y));
    for (size_t k = 0; k < linhas.size(); ++k) {
      EXPECT_EQ(linhas[k].pen.color, k % 9 == 0 ? clBlack : clGrade) << "linha " << k;
      EXPECT_EQ(linhas[k].pts[0].x, 75) << "linha " << k;
      EXPECT_EQ(linhas[k].pts[1].x, 949) << "linha " << k;
    }
    std::vector<std::string> rot;
    for (const std::string& t : g.rec.texts())
      if (t.back() == 's') rot.push_back(t);
    EXPECT_EQ(rot, c.rotulos);
  }
  Grafico g;
  g.chart.defaultpen();
  g.chart.repaint();
  // Right-aligned 5 pixels left of the axis, centred on the line.
  const tCANVASOP* r = g.rec.findtext("0.01s");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(pt(r->pts[0]), pt({75 - 35 - 5, 642}));  // 649 - 6.5
  const tCANVASOP* cem = g.rec.findtext("100s");
  ASSERT_NE(cem, nullptr);
  EXPECT_EQ(pt(cem->pts[0]), pt({75 - 28 - 5, 43}));
}

TEST(Grafico, RepaintFundoMolduraETitulo) {
  for (bool limpa : {false, true}) {
    Grafico g;
    g.chart.limpafundo = limpa;
    g.chart.linhagrossa = 4;
    g.chart.titulo = "Subestação";
    g.chart.defaultpen();
    g.chart.repaint();
    SCOPED_TRACE(limpa ? "limpafundo" : "sem fundo");
    const auto ret = g.rec.of(tOPKIND::rectangle);
    ASSERT_EQ(ret.size(), limpa ? 2u : 1u);
    if (limpa) {
      EXPECT_EQ(g.rec.ops.front().kind, tOPKIND::rectangle);  // the background comes first
      EXPECT_EQ(pt(ret[0].pts[0]), pt({0, 0}));
      EXPECT_EQ(pt(ret[0].pts[1]), pt({1000, 700}));
      EXPECT_EQ(ret[0].pen.width, 4);
      EXPECT_EQ(ret[0].brush, (tBRUSH{clWhite, tBRUSHSTYLE::solid}));
    }
    const tCANVASOP& moldura = ret.back();
    EXPECT_EQ(pt(moldura.pts[0]), pt({75, 50}));
    EXPECT_EQ(pt(moldura.pts[1]), pt({950, 650}));
    EXPECT_EQ(moldura.pen.width, 4);
    EXPECT_EQ(moldura.pen.color, clBlack);
    EXPECT_EQ(moldura.brush.style, tBRUSHSTYLE::clear);

    const tCANVASOP& titulo = g.rec.ops.back();
    ASSERT_EQ(titulo.kind, tOPKIND::text);
    EXPECT_EQ(titulo.text, "Subestação");
    EXPECT_EQ(titulo.font.size, 20);
    // 10 characters, 70 px: centred on (75 + 950) / 2, bottom 10 px above the window.
    EXPECT_EQ(pt(titulo.pts[0]), pt({477, 27}));
    EXPECT_EQ(g.rec.pen().width, 1);
    EXPECT_EQ(g.rec.brush().style, tBRUSHSTYLE::clear);
  }
}

TEST(Grafico, ImpressaoEngrossaAGradeDeCorrente) {
  Grafico g;
  {
    tPRINTSCOPE imprimindo;
    g.chart.defaultpen();
    g.chart.repaint();
  }
  const auto v = verticais(g.rec);
  ASSERT_FALSE(v.empty());
  for (const tCANVASOP& op : v) EXPECT_EQ(op.pen.width, 2) << "x=" << op.pts[0].x;
  EXPECT_EQ(g.rec.ops.back().font.size, 16);
}

TEST(Grafico, BufferDePolilinhaDescarregaEm1023Pontos) {
  Grafico g;
  // Pixel columns 100, 101, ... on one row, pushed as real points.
  auto empurra = [&](int k) { g.chart.pushline(g.chart.px2rl(100 + k + 0.5, 300.5)); };
  for (int k = 0; k < 1023; ++k) empurra(k);
  EXPECT_EQ(g.chart.linecount, 1023);
  EXPECT_EQ(g.rec.count(tOPKIND::polyline), 0);

  empurra(1023);  // the 1024th point flushes the first 1023
  auto poli = g.rec.of(tOPKIND::polyline);
  ASSERT_EQ(poli.size(), 1u);
  ASSERT_EQ(poli[0].pts.size(), 1023u);
  EXPECT_EQ(pt(poli[0].pts.front()), pt({100, 300}));
  EXPECT_EQ(pt(poli[0].pts.back()), pt({1122, 300}));
  EXPECT_EQ(g.chart.linecount, 2);

  g.chart.flushline();
  poli = g.rec.of(tOPKIND::polyline);
  ASSERT_EQ(poli.size(), 2u);
  // The second polyline starts where the first ended: no gap in the curve.
  ASSERT_EQ(poli[1].pts.size(), 2u);
  EXPECT_EQ(pt(poli[1].pts[0]), pt({1122, 300}));
  EXPECT_EQ(pt(poli[1].pts[1]), pt({1123, 300}));
  EXPECT_EQ(g.chart.linecount, 0);

  g.chart.flushline();  // empty buffer: nothing drawn
  EXPECT_EQ(g.rec.count(tOPKIND::polyline), 2);
}

// Distance in pixels from p to the segment a-b.
double distancia(tPOINTX p, tPOINTI a, tPOINTI b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
  return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// With recorte, a polyline is drawn through far fewer points, and every point
// pushed stays on it: within the half pixel of the thinning plus the
// truncation of the two ends of its segment.
TEST(Grafico, RecorteAfinaAPolilinhaSemAfastarNenhumPonto) {
  struct Caso {
    const char* nome;
    std::vector<tPOINTX> pontos;  // real points
    size_t maximo;                // drawn points at most
  };
  std::vector<Caso> casos;
  {
    // An IEC very inverse curve sampled at a thousand columns, dropping to
    // 0.05 s at its instantaneous pickup.
    Caso c{"curva com instantâneo", {}, 60};
    for (int k = 0; k < 1000; ++k) {
      const double i = std::pow(10.0, 4.0 * k / 1000);
      const double m = i / 10;
      if (m <= 1.05) continue;
      c.pontos.push_back({i, i > 2000 ? 0.05 : std::min(90.0, 13.5 / (m - 1))});
    }
    casos.push_back(c);
  }
  {
    // A zigzag that goes back and forth across the chart and down a column.
    Caso c{"zigue-zague", {}, 400};
    for (int k = 0; k < 400; ++k) {
      const double x = k % 40 < 20 ? 10 + k % 20 * 7 : 150 - k % 20 * 7;
      c.pontos.push_back({x, std::pow(10.0, -1.5 + 3.0 * ((k * 37) % 100) / 100)});
    }
    for (int k = 0; k < 50; ++k) c.pontos.push_back({300, 0.02 * (k + 1)});
    casos.push_back(c);
  }
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Grafico g;
    g.chart.recorte = true;
    for (const tPOINTX& p : c.pontos) g.chart.pushline(p);
    g.chart.flushline();
    const auto poli = g.rec.of(tOPKIND::polyline);
    ASSERT_FALSE(poli.empty());
    size_t desenhados = 0;
    for (const tCANVASOP& op : poli) desenhados += op.pts.size();
    EXPECT_LE(desenhados, c.maximo);
    EXPECT_EQ(pt(poli.front().pts.front()), pt({tCHARTX::pix(g.chart.rl2px(c.pontos.front()).x),
                                                tCHARTX::pix(g.chart.rl2px(c.pontos.front()).y)}));
    for (const tPOINTX& r : c.pontos) {
      const tPOINTX p = g.chart.rl2px(r);
      double melhor = 1e9;
      for (const tCANVASOP& op : poli)
        for (size_t k = 0; k + 1 < op.pts.size(); ++k)
          melhor = std::min(melhor, distancia(p, op.pts[k], op.pts[k + 1]));
      EXPECT_LE(melhor, 0.5 + std::sqrt(2.0)) << r.x << " A, " << r.y << " s";
    }
  }
}

TEST(Grafico, LinhaTracejadaEngrossadaADireita) {
  struct Caso {
    tPENSTYLE estilo;
    int linhafina;
    int desenhos;
  };
  const Caso casos[] = {{tPENSTYLE::dash, 1, 2},
                        {tPENSTYLE::dash, 3, 4},
                        {tPENSTYLE::solid, 1, 1},
                        {tPENSTYLE::dashdot, 1, 1}};
  for (const Caso& c : casos) {
    Grafico g;
    g.chart.linhafina = c.linhafina;
    g.rec.setpenstyle(c.estilo);
    g.chart.pushline(1, 100);
    g.chart.pushline(10, 1);
    g.chart.pushline(10000, 0.01);
    g.chart.flushline();
    const auto poli = g.rec.of(tOPKIND::polyline);
    SCOPED_TRACE(testing::Message()
                 << "estilo " << static_cast<int>(c.estilo) << " linhafina " << c.linhafina);
    ASSERT_EQ(poli.size(), static_cast<size_t>(c.desenhos));
    for (int k = 0; k < c.desenhos; ++k) {
      ASSERT_EQ(poli[k].pts.size(), 3u);
      EXPECT_EQ(pt(poli[k].pts[0]), pt({75 + k, 50})) << "desenho " << k;
      EXPECT_EQ(pt(poli[k].pts[1]), pt({293 + k, 349})) << "desenho " << k;
      EXPECT_EQ(pt(poli[k].pts[2]), pt({949 + k, 649})) << "desenho " << k;
    }
    EXPECT_EQ(g.chart.linecount, 0);
  }
}

TEST(Grafico, PosicionamentoDoTexto) {
  struct Caso {
    int al;
    tPOINTI esperado;
  };
  // "abc": tw 21, th 13, width of "a" 7; point (100, 200) in pixels.
  const Caso casos[] = {{0, {100, 200}},   {1, {89, 193}},  {100, {107, 174}},
                        {101, {121, 187}}, {2, {100, 200}}, {-1, {100, 200}}};
  for (const Caso& c : casos) {
    Grafico g;
    g.chart.textout(100, 200, "abc", c.al, false);
    ASSERT_EQ(g.rec.ops.size(), 1u) << "al=" << c.al;
    EXPECT_EQ(g.rec.ops[0].text, "abc") << "al=" << c.al;
    EXPECT_EQ(pt(g.rec.ops[0].pts[0]), pt(c.esperado)) << "al=" << c.al;
  }
}

TEST(Grafico, TextoFormatadoOuLiteral) {
  Grafico g;
  g.chart.textout(10, 1, "%s:%sA", 1, true, "51", "100.0");
  g.chart.textout(10, 1, "100%", 0, true);  // no arguments: written unchanged
  g.chart.textout(5, 5, "%dkA", 0, false, 12);
  ASSERT_EQ(g.rec.texts(), (std::vector<std::string>{"51:100.0A", "100%", "12kA"}));
  // Real point (10 A, 1 s) is pixel (293.5, 349.5); "51:100.0A" is 63 x 13.
  EXPECT_EQ(pt(g.rec.ops[0].pts[0]), pt({262, 343}));
  EXPECT_EQ(pt(g.rec.ops[1].pts[0]), pt({293, 349}));
  EXPECT_EQ(pt(g.rec.ops[2].pts[0]), pt({5, 5}));
}

TEST(Grafico, CirculoEmVoltaDoCentroReal) {
  Grafico g;
  g.chart.circle({10, 1}, 4);
  g.chart.circle({0, 1}, 4);  // no place on the log axis: skipped
  g.chart.circle({10, 1}, kNaN);
  const auto el = g.rec.of(tOPKIND::ellipse);
  ASSERT_EQ(el.size(), 1u);
  EXPECT_EQ(pt(el[0].pts[0]), pt({289, 345}));  // (293.5 - 4, 349.5 - 4)
  EXPECT_EQ(pt(el[0].pts[1]), pt({297, 353}));
}

TEST(Grafico, MovetoLinetoEmCoordenadasReais) {
  Grafico g;
  g.chart.moveto(1, 100);
  g.chart.lineto(10000, 0.01);
  g.chart.lineto(-1, 1);  // skipped: the next line joins its neighbours
  g.chart.lineto(10000, 100);
  g.chart.moveto(kNaN, 1);  // nowhere: the next lineto only moves
  g.chart.lineto(1, 0.01);
  g.chart.lineto(1, 100);
  const auto l = g.rec.of(tOPKIND::line);
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(pt(l[0].pts[0]) + pt(l[0].pts[1]), pt({75, 50}) + pt({949, 649}));
  EXPECT_EQ(pt(l[1].pts[0]) + pt(l[1].pts[1]), pt({949, 649}) + pt({949, 50}));
  EXPECT_EQ(pt(l[2].pts[0]) + pt(l[2].pts[1]), pt({75, 649}) + pt({75, 50}));
}

TEST(Grafico, CoordenadasAbsurdasNuncaSaemDaFaixa) {
  Grafico g;
  const tPOINTX pontos[] = {{kNaN, 1},        {1, kNaN}, {1e308, 1}, {1, 1e308},
                            {1e-308, 1e-308}, {kInf, 1}, {1, -kInf}, {-1e308, 5},
                            {5e-324, 100},    {10, 1},   {0, 0}};
  for (const tPOINTX& p : pontos) g.chart.pushline(p);
  g.chart.flushline();
  for (const tPOINTX& p : pontos) {
    g.chart.lineto(p);
    g.chart.circle(p, 3);
    g.chart.textout(p.x, p.y, "x", 1, true);
    g.chart.textout(p.x, p.y, "y", 1, false);
  }
  ASSERT_FALSE(g.rec.ops.empty());
  // Non-positive and NaN points were skipped by pushline.
  const auto poli = g.rec.of(tOPKIND::polyline);
  ASSERT_EQ(poli.size(), 1u);
  EXPECT_EQ(poli[0].pts.size(), 6u);  // 1e308 (x2), 1e-308, inf, 5e-324, (10, 1)
  for (const tCANVASOP& op : g.rec.ops)
    for (const tPOINTI& q : op.pts) {
      EXPECT_LE(std::abs(q.x), tCHARTX::kPixMax) << opname(op.kind) << " " << pt(q);
      EXPECT_LE(std::abs(q.y), tCHARTX::kPixMax) << opname(op.kind) << " " << pt(q);
    }
}

TEST(Grafico, RepaintComLimitesAbsurdos) {
  const tRECTX limites[] = {
      {0, 0, 0, 0},        {kNaN, kNaN, kNaN, kNaN},     {1, kInf, 0.01, kInf},
      {-10, 100, -1, 100}, {1e-300, 1e300, 0.01, 1e300}, {100, 1, 100, 0.01},
      {10, 10, 1, 1},      {1e300, 1e301, 0.01, 100},
  };
  for (const tRECTX& lim : limites) {
    Grafico g;
    g.chart.limites = lim;
    g.chart.limpafundo = true;
    g.chart.defaultpen();
    g.chart.repaint();
    for (int k = 0; k < 5; ++k) g.chart.pushline(10.0 * (k + 1), 1.0 / (k + 1));
    g.chart.flushline();
    SCOPED_TRACE(testing::Message()
                 << "limites " << lim.xl << ".." << lim.xh << ", " << lim.yl << ".." << lim.yh);
    // Frame and title are always there.
    EXPECT_NE(g.rec.findtext("Coordenograma"), nullptr);
    EXPECT_EQ(g.rec.count(tOPKIND::rectangle), 2);
    EXPECT_LT(g.rec.ops.size(), 20000u);
    for (const tCANVASOP& op : g.rec.ops)
      for (const tPOINTI& q : op.pts) {
        ASSERT_LE(std::abs(q.x), tCHARTX::kPixMax) << opname(op.kind) << " " << op.text;
        ASSERT_LE(std::abs(q.y), tCHARTX::kPixMax) << opname(op.kind) << " " << op.text;
      }
  }
}

TEST(Grafico, SemSuperficieNadaAcontece) {
  tCHARTX chart;
  chart.defaultpen();
  chart.repaint();
  chart.moveto(1, 1);
  chart.lineto(10, 10);
  chart.pushline(1, 1);
  chart.pushline(10, 10);
  EXPECT_EQ(chart.linecount, 2);
  chart.flushline();
  EXPECT_EQ(chart.linecount, 0);
  chart.circle({1, 1}, 3);
  chart.textout(1, 1, "x", 1, true);
}

}  // namespace
