#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/curves/freliga.h"

using namespace tarvinel;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// 1000 x 700 pixels, margin 50, 1 A .. 10 kA, 0.01 s .. 100 s: plot window
// (75, 950, 50, 650), 875 pixels wide, so the 1000 samples are 0.875 pixel
// apart.
struct Cena {
  tCANVASREC rec{1000, 700};
  tCHARTX chart;
  Cena() {
    chart.canvas = &rec;
    chart.setwh(1000, 700, 50);
    chart.limites = {1, 10000, 0.01, 100};
    chart.defaultpen();
  }
  // Pixel column of a current, pixel row of a time, as the surface gets them.
  int col(double amp) const { return tCHARTX::pix(chart.rl2px(amp, 1).x); }
  int lin(double seg) const { return tCHARTX::pix(chart.rl2px(1, seg).y); }
  // Every point of every polyline, in drawing order.
  std::vector<tPOINTI> pontos() const {
    std::vector<tPOINTI> r;
    for (const tCANVASOP& op : rec.of(tOPKIND::polyline))
      r.insert(r.end(), op.pts.begin(), op.pts.end());
    return r;
  }
};

tFRELIGA funcao(const std::string& nom, double cor_par) {
  tFRELIGA f;
  f.reset();
  f.alias = "51";
  f.nom_cur = nom;
  f.cor_par = cor_par;
  return f;
}

// Keeps the program's user-curve list as it was before the test.
class PlotCurvaUsuario : public testing::Test {
 protected:
  void SetUp() override { salvas_ = usercurves(); }
  void TearDown() override { usercurves() = salvas_; }
  static tUSERCURVE curva(const std::string& nom, bool adj) {
    tUSERCURVE u;
    u.init();
    u.nom = nom;
    u.adj = adj;
    return u;
  }

 private:
  std::vector<tUSERCURVE> salvas_;
};

TEST(Plot, ResetDaOsValoresDeUmaFuncaoNova) {
  tFRELIGA f{"x", "IEC-EI", 5, 6, 7, 8, 9, 10, 11};
  f.reset();
  EXPECT_EQ(f.alias, "reset");
  EXPECT_EQ(f.nom_cur, "IEC-VI");
  EXPECT_EQ(f.cor_par, 1);
  EXPECT_EQ(f.cor_ins, 0);
  EXPECT_EQ(f.dt, 1);
  EXPECT_EQ(f.idef, 0);
  EXPECT_EQ(f.tdef, 0);
  EXPECT_EQ(f.tmin, 0);
  EXPECT_EQ(f.ptxt, 1);
}

// Without any other element the inverse curve starts where its time falls
// below 90 s (IEC-VI: 1.15 x pickup) and ends at 100 x pickup, even when the
// chart goes further.
TEST(Plot, CurvaInversaComecaAbaixoDe90sETerminaEmCemVezesAPartida) {
  struct Caso {
    double cor_par, inicio, fim;
  };
  const Caso casos[] = {{100, 115, 10000}, {10, 11.5, 1000}, {1000, 1150, 10000}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << "cor_par " << c.cor_par);
    Cena s;
    tFRELIGA f = funcao("IEC-VI", c.cor_par);
    f.ptxt = 3;  // the legend height is not the anchor's
    const tPOINTX ancora = f.plot(s.chart);
    EXPECT_EQ(ancora.x, c.cor_par);
    EXPECT_EQ(ancora.y, 1.0);
    ASSERT_EQ(s.rec.count(tOPKIND::polyline), 1);
    EXPECT_EQ(s.chart.linecount, 0);
    const std::vector<tPOINTI> p = s.pontos();
    ASSERT_GE(p.size(), 2u);
    EXPECT_NEAR(p.front().x, s.col(c.inicio), 1);
    // Just above 1.15 x pickup the time is just under 90 s.
    EXPECT_NEAR(p.front().y, s.lin(90), 8);
    EXPECT_NEAR(p.back().x, s.col(c.fim), 1);
    // Samples evenly spread in pixel columns: about 8 per 7 pixels.
    const double esperadas = (s.col(c.fim) - s.col(c.inicio)) / 0.875;
    EXPECT_NEAR(static_cast<double>(p.size()), esperadas, 3);
  }
}

// Away from the steep start, every drawn point lies on the curve's time for
// the current of its column.
TEST(Plot, PontosDesenhadosSeguemOTempoDaCurva) {
  const char* nomes[] = {"IEC-NI", "IEC-VI", "IEC-EI", "IEEE-MI", "ANSI-VI", "RI", "I2T"};
  for (const char* nom : nomes) {
    SCOPED_TRACE(nom);
    Cena s;
    tFRELIGA f = funcao(nom, 50);
    f.dt = 0.5;
    f.plot(s.chart);
    const std::vector<tPOINTI> p = s.pontos();
    ASSERT_GE(p.size(), 100u);
    int conferidos = 0;
    for (const tPOINTI& q : p) {
      const double amp = s.chart.px2rl(q.x, 1).x;
      if (amp < 2 * f.cor_par) continue;
      // The column is truncated, so the sample's current lies within one
      // pixel to the right.
      const int y1 = s.lin(f.calc(amp, false));
      const int y2 = s.lin(f.calc(s.chart.px2rl(q.x + 1, 1).x, false));
      EXPECT_GE(q.y, std::min(y1, y2) - 1) << "x=" << q.x;
      EXPECT_LE(q.y, std::max(y1, y2) + 1) << "x=" << q.x;
      ++conferidos;
    }
    EXPECT_GT(conferidos, 300);
  }
}

TEST(Plot, InstantaneoDesceAoTempoMinimoPor99Amostras) {
  Cena s;
  tFRELIGA f = funcao("IEC-VI", 100);
  f.cor_ins = 2000;
  f.tmin = 0.05;
  f.plot(s.chart);
  const std::vector<tPOINTI> p = s.pontos();
  int planos = 0;
  size_t primeiro = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    if (p[i].y == s.lin(0.05)) {
      if (planos++ == 0) primeiro = i;
    }
  }
  EXPECT_EQ(planos, 99);
  ASSERT_GT(primeiro, 0u);
  // The flat part is the end of the curve.
  EXPECT_EQ(primeiro + 99, p.size());
  // The drop: the last point before it is on the curve at 2000 A (20 x
  // pickup, 13.5 / 19 s), the first flat one in the same or the next column.
  EXPECT_NEAR(p[primeiro - 1].x, s.col(2000), 1);
  EXPECT_NEAR(p[primeiro - 1].y, s.lin(13.5 / 19), 1);
  EXPECT_NEAR(p[primeiro].x, s.col(2000), 1);
  // 99 samples of 0.875 pixel.
  EXPECT_NEAR(p.back().x - p[primeiro].x, 98 * 0.875, 1);
  // Past the instantaneous the 100 x pickup end no longer applies, but here
  // the flat part ends well before 10 kA anyway.
  EXPECT_LT(p.back().x, s.col(10000));
}

TEST(Plot, SemTempoMinimoACurvaTerminaNoInstantaneo) {
  Cena s;
  tFRELIGA f = funcao("IEC-VI", 100);
  f.cor_ins = 2000;
  f.plot(s.chart);
  const std::vector<tPOINTI> p = s.pontos();
  ASSERT_FALSE(p.empty());
  EXPECT_NEAR(p.back().x, s.col(2000), 1);
  EXPECT_NEAR(p.back().y, s.lin(13.5 / 19), 1);
}

// The definite-time element cuts the curve flat at tdef from idef on, where
// the inverse curve is slower; it is applied after the minimum time.
TEST(Plot, TempoDefinidoCortaACurva) {
  struct Caso {
    const char* nome;
    double idef, tdef, tmin;
    double plano_de, plano_ate;  // currents of the flat part at tdef
  };
  const Caso casos[] = {
      // IEC-VI at 100 A is faster than 0.2 s from 68.5 x pickup.
      {"idef 1000 A, tdef 0.2 s", 1000, 0.2, 0, 1000, 6850},
      // Below the pickup only the definite time gives a time; the inverse
      // curve reaches 1 s at 14.5 x pickup.
      {"idef 50 A, tdef 1 s", 50, 1, 0, 50, 1450},
      // tdef below tmin lowers the curve below tmin.
      {"tdef 0.2 s abaixo de tmin 0.5 s", 1000, 0.2, 0.5, 1000, 10000},
      // idef 0 caps the whole curve, from the chart's first column.
      {"idef 0, tdef 0.5 s", 0, 0.5, 0, 1, 2800},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Cena s;
    tFRELIGA f = funcao("IEC-VI", 100);
    f.idef = c.idef;
    f.tdef = c.tdef;
    f.tmin = c.tmin;
    f.plot(s.chart);
    const std::vector<tPOINTI> p = s.pontos();
    ASSERT_FALSE(p.empty());
    const int yplano = s.lin(c.tdef);
    int x_primeiro = -1, x_ultimo = -1;
    for (const tPOINTI& q : p) {
      if (q.y != yplano) continue;
      if (x_primeiro < 0) x_primeiro = q.x;
      x_ultimo = q.x;
    }
    EXPECT_NEAR(x_primeiro, s.col(c.plano_de), 1);
    EXPECT_NEAR(x_ultimo, s.col(c.plano_ate), 1);
    // Nothing is drawn slower than tdef right of idef.
    for (const tPOINTI& q : p) {
      if (q.x <= s.col(c.plano_de) + 1) continue;
      EXPECT_GE(q.y, yplano) << "x=" << q.x;
    }
  }
}

// The F6 tables mark currents outside their range with -1: those samples get
// neither the definite time nor the instantaneous.
TEST(Plot, TabelaF6ForaDaFaixaNaoRecebeTempoDefinido) {
  Cena s;
  tFRELIGA f = funcao("F6-112", 100);
  f.idef = 10;
  f.tdef = 1;
  f.tmin = 0.05;
  f.plot(s.chart);
  const std::vector<tPOINTI> p = s.pontos();
  ASSERT_FALSE(p.empty());
  // The table starts at 1 x pickup, not at idef, and ends at 91.3 x pickup,
  // before the 100 x pickup end: tmin and tdef give no time past it either.
  EXPECT_NEAR(p.front().x, s.col(100), 1);
  EXPECT_EQ(p.front().y, s.lin(1));
  EXPECT_NEAR(p.back().x, s.col(9130), 1);
}

TEST(Plot, SoTempoDefinidoDesenhaOCantoEORotulo) {
  for (const char* nom : {"OFF", "NC-OFF"}) {
    SCOPED_TRACE(nom);
    Cena s;
    tFRELIGA f = funcao(nom, 100);
    f.alias = "50/51";
    f.idef = 400;
    f.tdef = 0.3;
    const tPOINTX ancora = f.plot(s.chart);
    EXPECT_EQ(ancora.x, -1);
    EXPECT_EQ(ancora.y, -1);
    EXPECT_EQ(s.rec.count(tOPKIND::polyline), 0);
    const std::vector<tCANVASOP> l = s.rec.of(tOPKIND::line);
    ASSERT_EQ(l.size(), 2u);
    const tPOINTI canto{s.col(400), s.lin(0.3)};
    EXPECT_EQ(l[0].pts[0], canto);
    EXPECT_EQ(l[0].pts[1], (tPOINTI{s.col(400), s.lin(0.6)}));
    EXPECT_EQ(l[1].pts[0], canto);
    EXPECT_EQ(l[1].pts[1], (tPOINTI{s.col(800), s.lin(0.3)}));
    ASSERT_EQ(s.rec.texts(), std::vector<std::string>{"50/51:0.300s/400.0A"});
    // Top-left corner 10 pixels right of and 20 above the corner.
    const tPOINTX c = s.chart.rl2px(400, 0.3);
    EXPECT_EQ(s.rec.of(tOPKIND::text)[0].pts[0],
              (tPOINTI{tCHARTX::pix(c.x + 10), tCHARTX::pix(c.y - 20)}));
  }
}

TEST(Plot, SoTempoDefinidoLimitaOsSegmentosAosLimites) {
  Cena s;
  s.chart.limites = {1, 10000, 0.01, 1};
  tFRELIGA f = funcao("OFF", 100);
  f.idef = 8000;
  f.tdef = 0.8;
  f.plot(s.chart);
  const std::vector<tCANVASOP> l = s.rec.of(tOPKIND::line);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(l[0].pts[1], (tPOINTI{s.col(8000), s.lin(1)}));
  EXPECT_EQ(l[1].pts[1], (tPOINTI{s.col(10000), s.lin(0.8)}));
}

TEST(Plot, SoTempoDefinidoSemAjusteValidoNaoDesenhaNada) {
  struct Caso {
    const char* nome;
    double idef, tdef;
  };
  const Caso casos[] = {{"tdef 100 s", 400, 100}, {"idef 0", 0, 0.3},      {"tdef 0", 400, 0},
                        {"idef NaN", kNaN, 0.3},  {"tdef NaN", 400, kNaN}, {"idef inf", kInf, 0.3}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Cena s;
    tFRELIGA f = funcao("OFF", 100);
    f.idef = c.idef;
    f.tdef = c.tdef;
    f.drawto(s.chart, "Rele");
    EXPECT_EQ(s.rec.ops.size(), 0u);
  }
}

TEST_F(PlotCurvaUsuario, CurvaFixaPassaPelosPontosGuardados) {
  tUSERCURVE u = curva("fixa", false);
  for (int k = 0; k < 16; ++k) {
    u.amp[k] = 30.0 * (k + 1);
    u.tim[k] = 20.0 / (k + 1);
  }
  usercurves().push_back(u);
  Cena s;
  // Pickup and dial unlike the table's: a fixed curve ignores them, and the
  // minimum time, definite time and instantaneous too.
  tFRELIGA f = funcao("fixa", 7);
  f.dt = 0.3;
  f.tmin = 5;
  f.idef = 100;
  f.tdef = 0.1;
  f.cor_ins = 200;
  f.ptxt = 3;
  const tPOINTX ancora = f.plot(s.chart);
  EXPECT_EQ(ancora.x, u.amp[8]);
  EXPECT_EQ(ancora.y, 3);
  ASSERT_EQ(s.rec.count(tOPKIND::polyline), 1);
  const std::vector<tPOINTI> p = s.pontos();
  ASSERT_EQ(p.size(), 16u);
  for (int k = 0; k < 16; ++k) {
    const tPOINTX e = s.chart.rl2px(u.amp[k], u.tim[k]);
    EXPECT_EQ(p[k], (tPOINTI{tCHARTX::pix(e.x), tCHARTX::pix(e.y)})) << "ponto " << k;
  }
}

TEST_F(PlotCurvaUsuario, CurvaAjustavelEAmostradaEEscalada) {
  // The first curve of the name decides: the adjustable one hides the fixed.
  usercurves().push_back(curva("minha", true));
  usercurves().push_back(curva("minha", false));
  Cena s;
  tFRELIGA f = funcao("minha", 100);
  f.dt = 0.5;
  const tPOINTX ancora = f.plot(s.chart);
  EXPECT_EQ(ancora.x, 100);
  const std::vector<tPOINTI> p = s.pontos();
  ASSERT_GT(p.size(), 16u);
  // The default table runs from 1 x pickup / 10 s to 20 x pickup, at half
  // the time with dial 0.5; at 20 x it has no time any more.
  EXPECT_NEAR(p.front().x, s.col(100), 1);
  EXPECT_NEAR(p.front().y, s.lin(5), 1);
  EXPECT_NEAR(p.back().x, s.col(2000), 1);
  EXPECT_NEAR(p.back().y, s.lin(0.3125), 2);
}

TEST_F(PlotCurvaUsuario, NomeDesconhecidoSoDesenhaOsElementosDefinidos) {
  Cena s;
  tFRELIGA f = funcao("nao existe", 100);
  f.idef = 300;
  f.tdef = 0.4;
  f.plot(s.chart);
  const std::vector<tPOINTI> p = s.pontos();
  ASSERT_FALSE(p.empty());
  EXPECT_NEAR(p.front().x, s.col(300), 1);
  EXPECT_NEAR(p.back().x, s.col(10000), 1);
  for (const tPOINTI& q : p) EXPECT_EQ(q.y, s.lin(0.4)) << "x=" << q.x;
}

TEST(Plot, LegendaCentradaNaPartidaComALegendaAbaixo) {
  Cena s;
  tFRELIGA f = funcao("IEC-VI", 100);
  f.cor_ins = 500;
  f.ptxt = 2;
  f.drawto(s.chart, "Rele geral");
  const std::vector<tCANVASOP> t = s.rec.of(tOPKIND::text);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text, "51:100.0/500.0A");
  EXPECT_EQ(t[1].text, "Rele geral");
  const tPOINTX c = s.chart.rl2px(100, 2);
  const int th = tCANVASREC::kTextHeight;
  const double tw1 = 15 * tCANVASREC::kCharWidth;
  const double tw2 = 10 * tCANVASREC::kCharWidth;
  EXPECT_EQ(t[0].pts[0], (tPOINTI{tCHARTX::pix(c.x - tw1 / 2), tCHARTX::pix(c.y - th / 2.0)}));
  EXPECT_EQ(t[1].pts[0], (tPOINTI{tCHARTX::pix(c.x - tw2 / 2), tCHARTX::pix(c.y + th - th / 2.0)}));
}

TEST_F(PlotCurvaUsuario, LegendaDaCurvaFixaFicaNoNonoPonto) {
  tUSERCURVE u = curva("fixa", false);
  usercurves().push_back(u);
  Cena s;
  tFRELIGA f = funcao("fixa", 100);
  f.ptxt = 0.5;
  f.drawto(s.chart, "");
  const std::vector<tCANVASOP> t = s.rec.of(tOPKIND::text);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text, "51:100.0/0.000A");
  const tPOINTX c = s.chart.rl2px(u.amp[8], 0.5);
  EXPECT_EQ(t[1].pts[0].x, tCHARTX::pix(c.x));  // the empty caption has no width
}

TEST(Plot, LegendaSoQuandoOGraficoPedeEONomeNaoENcOff) {
  struct Caso {
    const char* nom;
    bool showlegend;
    std::vector<std::string> textos;
  };
  const Caso casos[] = {
      {"IEC-VI", true, {"51:100.0/0.000A", "Rele"}},
      {"IEC-VI", false, {}},
      // The corner label is written whatever showlegend says, and the legend
      // is never put at the surface's corner.
      {"OFF", true, {"51:0.300s/400.0A"}},
      {"OFF", false, {"51:0.300s/400.0A"}},
      {"NC-OFF", true, {"51:0.300s/400.0A"}},
      {"NC-OFF", false, {"51:0.300s/400.0A"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.nom << " showlegend " << c.showlegend);
    Cena s;
    s.chart.showlegend = c.showlegend;
    tFRELIGA f = funcao(c.nom, 100);
    f.idef = 400;
    f.tdef = 0.3;
    f.drawto(s.chart, "Rele");
    EXPECT_EQ(s.rec.texts(), c.textos);
  }
}

// Settings nobody checked: every call ends, draws only on-surface-sized
// pixels and leaves the polyline buffer empty.
TEST(Plot, ValoresAbsurdosNaoTravamNemDesenhamLixo) {
  struct Caso {
    const char* nome;
    tFRELIGA f;
    tRECTX limites;
  };
  const tRECTX normal{1, 10000, 0.01, 100};
  const Caso casos[] = {
      {"cor_par 1e308", {"a", "IEC-VI", 1e308, 0, 1, 0, 0, 0, 1}, normal},
      {"cor_par inf", {"a", "IEC-VI", kInf, 0, 1, 0, 0, 0, 1}, normal},
      {"cor_par NaN", {"a", "IEC-VI", kNaN, 0, 1, 0, 0, 0, 1}, normal},
      {"cor_par 0", {"a", "IEC-VI", 0, 0, 1, 0, 0, 0, 1}, normal},
      {"cor_par negativo", {"a", "IEC-VI", -100, 0, 1, 0, 0, 0, 1}, normal},
      {"dt NaN", {"a", "IEC-VI", 100, 0, kNaN, 0, 0, 0, 1}, normal},
      {"dt 1e308", {"a", "IEC-VI", 100, 0, 1e308, 0, 0, 0, 1}, normal},
      {"tmin NaN", {"a", "IEC-VI", 100, 500, 1, 0, 0, kNaN, 1}, normal},
      {"tmin inf", {"a", "IEC-VI", 100, 500, 1, 0, 0, kInf, 1}, normal},
      {"tdef NaN", {"a", "IEC-VI", 100, 0, 1, 200, kNaN, 0, 1}, normal},
      {"cor_ins NaN", {"a", "IEC-VI", 100, kNaN, 1, 0, 0, 0.1, 1}, normal},
      {"cor_ins 1e308", {"a", "IEC-VI", 100, 1e308, 1, 0, 0, 0.1, 1}, normal},
      {"ptxt NaN", {"a", "IEC-VI", 100, 0, 1, 0, 0, 0, kNaN}, normal},
      {"ptxt 0", {"a", "IEC-VI", 100, 0, 1, 0, 0, 0, 0}, normal},
      {"OFF idef 1e308", {"a", "OFF", 100, 0, 1, 1e308, 0.3, 0, 1}, normal},
      {"limites iguais", {"a", "IEC-VI", 100, 0, 1, 0, 0, 0, 1}, {100, 100, 1, 1}},
      {"limites zero", {"a", "IEC-VI", 100, 0, 1, 0, 0, 0, 1}, {0, 0, 0, 0}},
      {"limites NaN", {"a", "IEC-VI", 100, 0, 1, 0, 0, 0, 1}, {kNaN, kNaN, kNaN, kNaN}},
      {"limites enormes", {"a", "IEC-VI", 100, 0, 1, 0, 0, 0, 1}, {1e-300, 1e300, 1e-300, 1e300}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Cena s;
    s.chart.limites = c.limites;
    c.f.drawto(s.chart, "legenda");
    EXPECT_EQ(s.chart.linecount, 0);
    for (const tCANVASOP& op : s.rec.ops) {
      for (const tPOINTI& q : op.pts) {
        EXPECT_LE(std::abs(q.x), tCHARTX::kPixMax) << opname(op.kind);
        EXPECT_LE(std::abs(q.y), tCHARTX::kPixMax) << opname(op.kind);
      }
    }
  }
}

TEST(Plot, FuncaoSemPartidaNemInstantaneoNaoDesenhaNada) {
  Cena s;
  const tFRELIGA f = funcao("IEC-VI", 0);
  f.drawto(s.chart, "Rele");
  EXPECT_EQ(s.rec.ops.size(), 0u);
}

// With a plot window exactly 1000 pixels wide every sample has its own column,
// from the window's left edge on.
TEST(Plot, UmaAmostraPorColunaNumaJanelaDe1000Pixels) {
  Cena s;
  s.chart.setwh(1125, 700, 50);  // window 75 .. 1075
  // A name without a curve and idef 0: flat at tdef across the whole chart.
  tFRELIGA f = funcao("sem curva", 1e6);
  f.tdef = 0.5;
  f.plot(s.chart);
  const std::vector<tPOINTI> p = s.pontos();
  ASSERT_GE(p.size(), 999u);
  EXPECT_LE(p.size(), 1000u);
  EXPECT_EQ(p[0].x, 75);
  EXPECT_NEAR(p[500].x, 575, 1);
  EXPECT_NEAR(p[998].x, 1073, 1);
  EXPECT_EQ(p[0].y, s.lin(0.5));
}

// Zooming the current axis samples afresh: the same curve fills the new range
// with the same density of samples.
TEST(Plot, AmostragemAcompanhaOsLimites) {
  Cena s;
  s.chart.limites = {100, 1000, 0.01, 100};
  const tFRELIGA f = funcao("IEC-VI", 100);
  f.plot(s.chart);
  const std::vector<tPOINTI> p = s.pontos();
  EXPECT_NEAR(p.front().x, s.col(115), 1);
  EXPECT_NEAR(p.back().x, s.col(1000), 1);
  EXPECT_NEAR(static_cast<double>(p.size()), (s.col(1000) - s.col(115)) / 0.875, 3);
}

}  // namespace
