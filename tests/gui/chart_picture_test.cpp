// A whole coordination chart drawn through the QPainter surface on the
// 1024 x 768 picture of the image export, one item of every kind of curve the
// protection functions and fuse links draw. The picture is checked at pixels
// the chart's mapping fixes: the frame, decade lines, and points of each
// curve computed from the model, not from a stored image.
//
// TARVINEL_SALVAR_IMAGEM set in the environment also writes the picture to
// chart_picture.png in the build's telas-testes folder, for a person to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/coordination/coordchart.h"
#include "core/coordination/prjcoord.h"
#include "core/curves/elofusivel.h"
#include "core/curves/freliga.h"
#include "pasta_telas.h"
#include "platform/canvas_qt.h"

using namespace tarvinel;

namespace {

constexpr tCOR clLaranja = 0x0080FF;

std::string rgb(tCOR c) {
  const QColor q = qcolor(c);
  return std::to_string(q.red()) + "," + std::to_string(q.green()) + "," + std::to_string(q.blue());
}

std::string cor(const QImage& img, int x, int y) {
  if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return "fora";
  const QColor c = img.pixelColor(x, y);
  return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue());
}

// Pixels of colour c within r pixels (a square) of (x, y).
int perto(const QImage& img, int x, int y, tCOR c, int r) {
  const std::string alvo = rgb(c);
  int n = 0;
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx)
      if (cor(img, x + dx, y + dy) == alvo) ++n;
  return n;
}

// Pixels of colour c inside the rectangle.
int na_area(const QImage& img, QRect area, tCOR c) {
  const std::string alvo = rgb(c);
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (cor(img, x, y) == alvo) ++n;
  return n;
}

tFRELIGA funcao(const char* alias, const char* nom, double cor_par, double dt) {
  tFRELIGA f;
  f.reset();
  f.alias = alias;
  f.nom_cur = nom;
  f.cor_par = cor_par;
  f.dt = dt;
  return f;
}

// A fixed user curve of the test, from (2 A, 60 s) to (8 A, 2 s) in equal
// logarithmic steps. It is added to the program's list for the drawing and
// taken out again, whatever happens in between.
struct CurvaFixa {
  tUSERCURVE u;
  CurvaFixa() {
    u.init();
    u.nom = "fixa do teste";
    u.adj = false;
    for (int k = 0; k < 16; ++k) {
      u.amp[k] = 2 * std::pow(4.0, k / 15.0);
      u.tim[k] = 60 * std::pow(1 / 30.0, k / 15.0);
    }
    usercurves().push_back(u);
  }
  ~CurvaFixa() {
    auto& l = usercurves();
    for (auto it = l.begin(); it != l.end(); ++it)
      if (it->nom == u.nom) {
        l.erase(it);
        break;
      }
  }
};

// A fuse-link curve through its stored points, as the fuse setting will draw
// it: thin, solid for the link and dash-dot for its "-max" companion.
void desenha_elo(tCHARTX& chart, const tELO_CURVA& c, tPENSTYLE estilo) {
  chart.defaultpen();
  chart.canvas->setpenwidth(chart.linhafina);
  chart.canvas->setpencolor(clLaranja);
  chart.canvas->setpenstyle(estilo);
  for (const tELO_PONTO& p : c.pontos()) chart.pushline(p.cor, p.tem);
  chart.flushline();
}

class QuadroDoGrafico : public testing::Test {
 protected:
  static constexpr int kW = 1024;
  static constexpr int kH = 768;

  QImage img{kW, kH, QImage::Format_RGB32};
  tCHARTX chart;
  CurvaFixa fixa;

  // IEC curve with instantaneous and minimum time, red.
  tFRELIGA iec = [] {
    tFRELIGA f = funcao("51", "IEC-VI", 150, 0.2);
    f.cor_ins = 3000;
    f.tmin = 0.1;
    f.ptxt = 30;
    return f;
  }();
  // Definite time alone, blue.
  tFRELIGA off = [] {
    tFRELIGA f = funcao("50/51", "OFF", 100, 1);
    f.idef = 2000;
    f.tdef = 1;
    return f;
  }();
  // F6 table, green.
  tFRELIGA f6 = [] {
    tFRELIGA f = funcao("51N", "F6-112", 40, 1);
    f.ptxt = 20;
    return f;
  }();
  // The fixed user curve, purple; its pickup and dial play no part.
  tFRELIGA usuario = [] {
    tFRELIGA f = funcao("51U", "fixa do teste", 3, 0.1);
    f.ptxt = 0.3;
    return f;
  }();

  void SetUp() override {
    img.setDotsPerMeterX(3780);  // 96 dpi
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    QPainter p(&img);
    tCANVASQT cv(p);
    chart.canvas = &cv;
    chart.setwh(kW, kH, 50);
    chart.limites = {1, 10000, 0.01, 100};
    chart.limpafundo = true;
    cv.setfontname("Tahoma");
    cv.setfontsize(10);
    chart.defaultpen();
    chart.repaint();

    desenha(iec, clRed, "Rele geral");
    desenha(off, clBlue, "Tempo definido");
    desenha(f6, clGreen, "Religador");
    desenha(usuario, clPurple, "Curva fixa");
    desenha_elo(chart, *elolista().find("6K"), tPENSTYLE::solid);
    desenha_elo(chart, *elolista().find("6K-max"), tPENSTYLE::dashdot);
    p.end();
    chart.canvas = nullptr;

    if (std::getenv("TARVINEL_SALVAR_IMAGEM") != nullptr) img.save(tela_teste("chart_picture.png"));
  }

  // As the coordination window draws a relay function: thick pen and font in
  // the setting's colour.
  void desenha(const tFRELIGA& f, tCOR c, const std::string& caption) {
    chart.defaultpen();
    chart.canvas->setpenwidth(chart.linhagrossa);
    chart.canvas->setpencolor(c);
    chart.canvas->setfontcolor(c);
    f.drawto(chart, caption);
  }

  tPOINTI px(double amp, double seg) const {
    const tPOINTX p = chart.rl2px(amp, seg);
    return {tCHARTX::pix(p.x), tCHARTX::pix(p.y)};
  }
  // Pixels of colour c around the real point, within r pixels.
  int em(double amp, double seg, tCOR c, int r = 2) const {
    const tPOINTI p = px(amp, seg);
    return perto(img, p.x, p.y, c, r);
  }
};

TEST_F(QuadroDoGrafico, MolduraGradeECantos) {
  // Window (75, 974, 50, 718): the axis corners map onto the frame's corners.
  const tPOINTI sup = px(1, 100);
  const tPOINTI inf = px(10000, 0.01);
  EXPECT_EQ(sup.x, 75);
  EXPECT_EQ(sup.y, 50);
  EXPECT_EQ(inf.x, 973);
  EXPECT_EQ(inf.y, 717);
  struct Ponto {
    int x, y;
    const char* cor;
    const char* oque;
  };
  const Ponto pontos[] = {
      {75, 50, "0,0,0", "canto 1 A / 100 s"},
      {973, 717, "0,0,0", "canto 10 kA / 0.01 s"},
      {75, 717, "0,0,0", "canto 1 A / 0.01 s"},
      {973, 50, "0,0,0", "canto 10 kA / 100 s"},
      {75, 300, "0,0,0", "moldura esquerda"},
      {973, 300, "0,0,0", "moldura direita"},
      {px(10, 1).x, 130, "0,0,0", "linha de 10 A"},
      {px(1000, 1).x, 130, "0,0,0", "linha de 1 kA"},
      {px(3, 1).x, 600, "192,192,192", "linha de 3 A"},
      {900, px(1, 10).y, "0,0,0", "linha de 10 s"},
      {200, px(1, 0.1).y, "0,0,0", "linha de 0.1 s"},
      {900, px(1, 0.03).y, "192,192,192", "linha de 0.03 s"},
      {30, 30, "255,255,255", "margem"},
  };
  for (const Ponto& p : pontos) EXPECT_EQ(cor(img, p.x, p.y), p.cor) << p.oque;
}

TEST_F(QuadroDoGrafico, CurvaIecComInstantaneoETempoMinimo) {
  // On the inverse curve, between the pickup and the instantaneous.
  for (double amp : {200.0, 300.0, 600.0, 1200.0, 2500.0}) {
    const double t = iec.calc(amp, false);
    EXPECT_GT(em(amp, t, clRed), 0) << amp << " A, " << t << " s";
  }
  // The drop at 3000 A from the curve's time to tmin, then flat at tmin for
  // about 99 samples (a tenth of the width) and no further.
  const double t3000 = iec.calc(3000, false);
  EXPECT_GT(em(3000, std::sqrt(t3000 * 0.1), clRed), 0) << "descida";
  EXPECT_GT(em(4000, 0.1, clRed), 0) << "trecho plano";
  EXPECT_GT(em(6000, 0.1, clRed), 0) << "trecho plano";
  EXPECT_EQ(em(9000, 0.1, clRed, 4), 0) << "depois do trecho plano";
  // Nothing below the pickup.
  EXPECT_EQ(em(140, 60, clRed, 4), 0) << "abaixo da partida";
  // The legend centred on the pickup at ptxt, in the setting's colour.
  const tPOINTI l = px(150, 30);
  EXPECT_GT(na_area(img, QRect(l.x - 40, l.y - 8, 80, 16), clRed), 20) << "legenda";
  EXPECT_GT(na_area(img, QRect(l.x - 40, l.y + 6, 80, 16), clRed), 20) << "rotulo";
}

TEST_F(QuadroDoGrafico, TempoDefinidoSo) {
  // Up from (2000 A, 1 s) to 2 s, right to twice the current.
  EXPECT_GT(em(2000, 1.5, clBlue), 0) << "segmento vertical";
  EXPECT_GT(em(3000, 1, clBlue), 0) << "segmento horizontal";
  EXPECT_EQ(em(2000, 3, clBlue, 3), 0) << "acima de 2 tdef";
  EXPECT_EQ(em(1500, 1, clBlue, 3), 0) << "antes de idef";
  EXPECT_EQ(em(6000, 1, clBlue, 2), 0) << "depois de 2 idef";
  // The label "50/51:1.000s/2000A" starts 10 pixels right of and 20 above the
  // corner; no legend sits at the picture's corner.
  const tPOINTI c = px(2000, 1);
  EXPECT_GT(na_area(img, QRect(c.x + 10, c.y - 20, 40, 14), clBlue), 10) << "rotulo do canto";
  EXPECT_EQ(na_area(img, QRect(0, 0, 60, 40), clBlue), 0) << "canto da imagem";
}

TEST_F(QuadroDoGrafico, TabelaF6) {
  // 1 x pickup (40 A) up to the table's end at 91.3 x pickup.
  for (double amp : {50.0, 80.0, 200.0, 500.0, 1500.0}) {
    const double t = f6.calc(amp, false);
    ASSERT_GT(t, 0) << amp;
    EXPECT_GT(em(amp, t, clGreen), 0) << amp << " A, " << t << " s";
  }
  EXPECT_EQ(em(5000, 0.011, clGreen, 4), 0) << "depois da tabela";
}

TEST_F(QuadroDoGrafico, CurvaFixaDoUsuarioPelosPontosGuardados) {
  for (int k = 0; k < 16; ++k)
    EXPECT_GT(em(fixa.u.amp[k], fixa.u.tim[k], clPurple), 0) << "ponto " << k;
  // Halfway between two points in pixels lies on the straight segment.
  const tPOINTI a = px(fixa.u.amp[4], fixa.u.tim[4]);
  const tPOINTI b = px(fixa.u.amp[5], fixa.u.tim[5]);
  EXPECT_GT(perto(img, (a.x + b.x) / 2, (a.y + b.y) / 2, clPurple, 1), 0);
  // Not scaled by the function's pickup 3 A and dial 0.1.
  EXPECT_EQ(em(3 * fixa.u.amp[8], 0.1 * fixa.u.tim[8], clPurple, 4), 0);
}

TEST_F(QuadroDoGrafico, ElosFusiveis6K) {
  const tELO_CURVA& minimo = *elolista().find("6K");
  const tELO_CURVA& maximo = *elolista().find("6K-max");
  // The solid link through every stored point.
  for (const tELO_PONTO& p : minimo.pontos())
    EXPECT_GT(em(p.cor, p.tem, clLaranja, 1), 0) << p.cor << " A, " << p.tem << " s";
  // The dash-dot companion: along its longest segment both ink and gaps.
  const auto& q = maximo.pontos();
  ASSERT_GE(q.size(), 2u);
  int tinta = 0, vazio = 0;
  for (size_t i = 0; i + 1 < q.size(); ++i) {
    const tPOINTI a = px(q[i].cor, q[i].tem);
    const tPOINTI b = px(q[i + 1].cor, q[i + 1].tem);
    const int passos = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    for (int s = 0; s <= passos; ++s) {
      const int x = a.x + (b.x - a.x) * s / std::max(passos, 1);
      const int y = a.y + (b.y - a.y) * s / std::max(passos, 1);
      if (perto(img, x, y, clLaranja, 1) > 0)
        ++tinta;
      else
        ++vazio;
    }
  }
  EXPECT_GT(tinta, vazio) << "tinta " << tinta << ", vazios " << vazio;
  EXPECT_GT(vazio, 10) << "tinta " << tinta << ", vazios " << vazio;
}

}  // namespace

// The shipped example chart as the window and the export draw it, at its
// limits and zoomed into 300 A .. 1 kA: no pixel of a setting's colour lies
// outside the frame while curves do reach it, and no two labels of the
// settings overlap (their boxes on the recording surface, with exact text
// metrics).
TEST(ExemploNoGrafico, CurvasAcabamNaMolduraERotulosNaoSeSobrepoem) {
  const std::string arq =
      std::string(TARVINEL_SOURCE_DIR) + "/data/examples/subestacao-23kv-3-trafos.coord";
  std::unique_ptr<tPRJCOORD> prj = prjcoord_abre(arq);
  struct tVISTA {
    const char* nome;
    double xl, xh;
    bool toca;  // a coloured curve runs out of the view
  };
  const tVISTA vistas[] = {{"limites", 1, 10000, false},
                           {"300 A a 1 kA", 300, 1000, true},
                           // Legends come down to the corner lines.
                           {"40 A a 1.3 kA", 40, 1300, false},
                           {"0.5 A a 100 kA", 0.5, 100000, false}};
  for (const tVISTA& v : vistas) {
    SCOPED_TRACE(v.nome);
    tOPCOES_GRAF opt;
    opt.lim_inf = v.xl;
    opt.lim_sup = v.xh;
    QImage img(1024, 768, QImage::Format_RGB32);
    tCHARTX chart;
    {
      QPainter p(&img);
      p.fillRect(img.rect(), Qt::white);
      tCANVASQT cv(p, img.width(), img.height());
      drawcoord(*prj, chart, cv, img.width(), 50, img.height(), opt);
    }
    if (std::getenv("TARVINEL_SALVAR_IMAGEM") != nullptr)
      img.save(tela_teste(QStringLiteral("exemplo_%1.png").arg(v.xl)));
    std::vector<QRgb> cores;
    for (const auto& a : prj->ajustes)
      if (a->visible && a->color != clBlack) cores.push_back(qcolor(a->color).rgb());
    const QRect jan(static_cast<int>(chart.window.xl), static_cast<int>(chart.window.yl),
                    static_cast<int>(chart.window.width()),
                    static_cast<int>(chart.window.height()));
    int fora = 0, borda = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        if (std::find(cores.begin(), cores.end(), img.pixel(x, y) | 0xFF000000) == cores.end())
          continue;
        if (!jan.contains(x, y)) ++fora;
        if (jan.contains(x, y) && !jan.adjusted(4, 4, -4, -4).contains(x, y)) ++borda;
      }
    EXPECT_EQ(fora, 0) << "pixels of the settings outside the frame";
    if (v.toca) {
      EXPECT_GT(borda, 0) << "the curve runs to the frame";
    }

    tCANVASREC rec(1024, 768);
    drawcoord(*prj, chart, rec, 1024, 50, 768, opt);
    std::vector<tRECTI> caixas;
    for (const tCANVASOP& op : rec.of(tOPKIND::text)) {
      if (!op.clipped || op.text.empty()) continue;  // the axis and the title
      const int tw = rec.textwidth(op.text), th = tCANVASREC::kTextHeight;
      const tPOINTI o = op.pts[0];
      caixas.push_back(op.font.orientation == 900 ? tRECTI{o.x, o.y - tw, o.x + th, o.y}
                                                  : tRECTI{o.x, o.y, o.x + tw, o.y + th});
    }
    ASSERT_GT(caixas.size(), 4u);
    for (std::size_t i = 0; i < caixas.size(); ++i)
      for (std::size_t j = i + 1; j < caixas.size(); ++j) {
        const tRECTI &a = caixas[i], &b = caixas[j];
        EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
            << "labels " << i << " and " << j;
      }
  }
}
