#include "platform/canvas_qt.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <algorithm>
#include <string>

#include "core/chart/chartx.h"

using namespace tarvinel;

namespace {

// Pixel colour as "r,g,b", so a failure shows the colour found.
std::string cor(const QImage& img, int x, int y) {
  const QColor c = img.pixelColor(x, y);
  return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue());
}

constexpr const char* kBranco = "255,255,255";
constexpr const char* kPreto = "0,0,0";
constexpr const char* kVermelho = "255,0,0";

// A white picture at 96 dpi with a painter and a surface over it.
struct Quadro {
  QImage img;
  QPainter p;
  tCANVASQT cv;
  explicit Quadro(int w = 200, int h = 200, int dpi = 96)
      : img(prepara(w, h, dpi)), p(&img), cv(p) {}
  static QImage prepara(int w, int h, int dpi) {
    QImage i(w, h, QImage::Format_RGB32);
    i.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
    i.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
    i.fill(Qt::white);
    return i;
  }
  QImage fim() {
    p.end();
    return img;
  }
};

// Bounding box of the pixels that are not white.
QRect tinta(const QImage& img) {
  int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != qRgb(255, 255, 255)) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
      }
  return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

int contacor(const QImage& img, QRgb c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == c) ++n;
  return n;
}

TEST(SuperficieQt, ConversaoDeCor) {
  const QColor c = qcolor(0x00336699);  // 0x00BBGGRR
  EXPECT_EQ(c.red(), 0x99);
  EXPECT_EQ(c.green(), 0x66);
  EXPECT_EQ(c.blue(), 0x33);
  EXPECT_EQ(c.alpha(), 255);
}

TEST(SuperficieQt, LinhaVermelhaNosPixelsCertos) {
  Quadro q;
  q.cv.setpencolor(clRed);
  q.cv.moveto(10, 20);
  q.cv.lineto(90, 20);
  q.cv.moveto(50, 100);
  q.cv.lineto(50, 180);
  const QImage img = q.fim();
  for (int x : {10, 50, 89}) EXPECT_EQ(cor(img, x, 20), kVermelho) << "x=" << x;
  EXPECT_EQ(cor(img, 50, 19), kBranco);
  EXPECT_EQ(cor(img, 50, 21), kBranco);
  EXPECT_EQ(cor(img, 95, 20), kBranco);
  for (int y : {100, 140, 179}) EXPECT_EQ(cor(img, 50, y), kVermelho) << "y=" << y;
  EXPECT_EQ(cor(img, 49, 140), kBranco);
  EXPECT_EQ(cor(img, 51, 140), kBranco);
}

TEST(SuperficieQt, LarguraDaCanetaEmPixels) {
  struct Caso {
    int largura, pixels;
  };
  const Caso casos[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {5, 5}, {30, 30}};
  for (const Caso& c : casos) {
    Quadro q;
    q.cv.setpenwidth(c.largura);
    q.cv.moveto(20, 100);
    q.cv.lineto(180, 100);
    q.cv.moveto(100, 20);
    q.cv.lineto(100, 60);
    const QImage img = q.fim();
    int linhas = 0, colunas = 0;
    for (int y = 0; y < 200; ++y)
      if (img.pixel(140, y) == qRgb(0, 0, 0)) ++linhas;
    for (int x = 0; x < 200; ++x)
      if (img.pixel(x, 40) == qRgb(0, 0, 0)) ++colunas;
    EXPECT_EQ(linhas, c.pixels) << "largura " << c.largura << " (horizontal)";
    EXPECT_EQ(colunas, c.pixels) << "largura " << c.largura << " (vertical)";
  }
}

TEST(SuperficieQt, TracejadoETracoPonto) {
  struct Caso {
    tPENSTYLE estilo;
    int largura;
    const char* nome;
  };
  const Caso casos[] = {{tPENSTYLE::dash, 1, "tracejado"},
                        {tPENSTYLE::dash, 3, "tracejado largo"},
                        {tPENSTYLE::dashdot, 1, "traco-ponto"}};
  for (const Caso& c : casos) {
    Quadro q;
    q.cv.setpenwidth(c.largura);
    q.cv.setpenstyle(c.estilo);
    q.cv.moveto(0, 100);
    q.cv.lineto(199, 100);
    const QImage img = q.fim();
    // Runs of ink along the line: dash 18 px, gap 6 px; dash-dot 9, 6, 3, 6.
    std::vector<int> tracos;
    int run = 0;
    for (int x = 0; x < 200; ++x) {
      if (img.pixel(x, 100) == qRgb(0, 0, 0)) {
        ++run;
      } else if (run > 0) {
        tracos.push_back(run);
        run = 0;
      }
    }
    ASSERT_GE(tracos.size(), 5u) << c.nome;
    if (c.estilo == tPENSTYLE::dash) {
      EXPECT_NEAR(tracos[1], 18, 1) << c.nome;
    } else {
      EXPECT_NEAR(tracos[0], 9, 1) << c.nome;
      EXPECT_NEAR(tracos[1], 3, 1) << c.nome;
    }
  }
}

TEST(SuperficieQt, MascaraFazEBitABit) {
  Quadro q;
  q.cv.setpenwidth(1);
  q.cv.moveto(50, 0);  // black line
  q.cv.lineto(50, 199);
  q.cv.setpencolor(0xC0C0C0);  // grey line
  q.cv.moveto(100, 0);
  q.cv.lineto(100, 199);
  // A light blue band of 30 pixels over both, in mask mode.
  q.cv.setpen({30, 0xFFAAAA, tPENSTYLE::solid, tPENMODE::mask});
  q.cv.moveto(10, 60);
  q.cv.lineto(190, 60);
  // The same band in copy mode covers the lines.
  q.cv.setpenmode(tPENMODE::copy);
  q.cv.moveto(10, 150);
  q.cv.lineto(190, 150);
  const QImage img = q.fim();
  EXPECT_EQ(cor(img, 150, 60), "170,170,255");  // white AND band
  EXPECT_EQ(cor(img, 50, 60), kPreto);          // black AND band
  EXPECT_EQ(cor(img, 100, 60), "128,128,192");  // 192 AND 170 = 128
  EXPECT_EQ(cor(img, 50, 150), "170,170,255");
  EXPECT_EQ(cor(img, 100, 150), "170,170,255");
  EXPECT_EQ(cor(img, 50, 100), kPreto);  // outside the bands
}

TEST(SuperficieQt, MascaraSemOperacoesRasterPorOpacidade) {
  struct Caso {
    tCOR c;
    int r, g, b, a;
  };
  const Caso casos[] = {
      {0xFFAAAA, 0, 0, 255, 85},     // light blue: opacity 1/3
      {clBlack, 0, 0, 0, 255},       // AND with black is black: plain copy
      {clWhite, 255, 255, 255, 0},   // AND with white changes nothing
      {0x808080, 0, 0, 0, 127},      // grey 128: black at half opacity
      {0x00FFFF, 255, 255, 0, 255},  // yellow: blue must reach 0
  };
  for (const Caso& c : casos) {
    const QColor q = maskcolor(c.c);
    EXPECT_EQ(std::to_string(q.red()) + "," + std::to_string(q.green()) + "," +
                  std::to_string(q.blue()) + "," + std::to_string(q.alpha()),
              std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," +
                  std::to_string(c.a))
        << cor2txt(c.c);
  }

  // A picture has no raster operations; played back over white and over a
  // black line, the band gives its colour on white and stays dark on black.
  QPicture pic;
  {
    QPainter pp(&pic);
    tCANVASQT cv(pp, 200, 200);
    cv.setpen({30, 0xFFAAAA, tPENSTYLE::solid, tPENMODE::mask});
    cv.moveto(10, 60);
    cv.lineto(190, 60);
  }
  Quadro q;
  q.cv.moveto(50, 0);
  q.cv.lineto(50, 199);
  q.p.drawPicture(0, 0, pic);
  const QImage img = q.fim();
  const QColor branco = img.pixelColor(150, 60), preto = img.pixelColor(50, 60);
  EXPECT_NEAR(branco.red(), 170, 1);
  EXPECT_NEAR(branco.green(), 170, 1);
  EXPECT_NEAR(branco.blue(), 255, 1);
  EXPECT_LE(preto.red(), 1);
  EXPECT_LE(preto.blue(), 86);
}

TEST(SuperficieQt, RetanguloElipseEPreenchimentoComBordasExclusivas) {
  Quadro q;
  q.cv.setbrushstyle(tBRUSHSTYLE::clear);
  q.cv.rectangle(10, 10, 20, 20);
  q.cv.setbrush({clRed, tBRUSHSTYLE::solid});
  q.cv.rectangle(30, 10, 40, 20);
  q.cv.fillrect(50, 10, 60, 20);
  q.cv.ellipse(70, 10, 90, 30);
  q.cv.setbrushstyle(tBRUSHSTYLE::clear);
  q.cv.fillrect(100, 10, 110, 20);  // clear brush: nothing
  const QImage img = q.fim();
  EXPECT_EQ(cor(img, 10, 10), kPreto);
  EXPECT_EQ(cor(img, 19, 19), kPreto);
  EXPECT_EQ(cor(img, 20, 20), kBranco);
  EXPECT_EQ(cor(img, 15, 15), kBranco);  // clear brush
  EXPECT_EQ(cor(img, 39, 15), kPreto);
  EXPECT_EQ(cor(img, 35, 15), kVermelho);
  EXPECT_EQ(cor(img, 50, 10), kVermelho);
  EXPECT_EQ(cor(img, 59, 19), kVermelho);
  EXPECT_EQ(cor(img, 60, 19), kBranco);
  EXPECT_EQ(cor(img, 80, 20), kVermelho);  // inside the ellipse
  EXPECT_EQ(cor(img, 71, 11), kBranco);    // corner of its box
  EXPECT_EQ(cor(img, 70, 20), kPreto);     // its outline at the left
  EXPECT_EQ(cor(img, 105, 15), kBranco);
}

TEST(SuperficieQt, PoligonoPreenchidoEContornado) {
  Quadro q;
  q.cv.setbrush({clRed, tBRUSHSTYLE::solid});
  const tPOINTI tri[] = {{100, 20}, {140, 100}, {60, 100}};
  q.cv.polygon(tri, 3);
  const QImage img = q.fim();
  EXPECT_EQ(cor(img, 100, 70), kVermelho);
  EXPECT_EQ(cor(img, 100, 100), kPreto);
  EXPECT_EQ(cor(img, 65, 30), kBranco);
}

TEST(SuperficieQt, TamanhoDaFonteConformeResolucao) {
  struct Caso {
    int dpi, pontos, pixels;
  };
  const Caso casos[] = {{96, 10, 13}, {96, 8, 11}, {192, 10, 27}, {600, 8, 67}, {1200, 10, 167}};
  for (const Caso& c : casos) {
    Quadro q(50, 50, c.dpi);
    q.cv.setfontsize(c.pontos);
    EXPECT_EQ(q.cv.qfont().pixelSize(), c.pixels) << c.pontos << " pt a " << c.dpi << " dpi";
    EXPECT_GE(q.cv.textheight("A"), c.pixels) << c.pontos << " pt a " << c.dpi << " dpi";
    EXPECT_LE(q.cv.textheight("A"), c.pixels * 3 / 2 + 2) << c.pontos << " pt a " << c.dpi;
  }
  Quadro q;
  const int normal = q.cv.textwidth("Coordenograma");
  q.cv.setfontsize(20);
  const int dobro = q.cv.textwidth("Coordenograma");
  EXPECT_NEAR(dobro, 2 * normal, normal / 5) << normal << " -> " << dobro;
  EXPECT_EQ(q.cv.textwidth(""), 0);
}

// Widths and upright texts are kept between drawings on images: what is kept
// must be what a fresh layout gives, for every font, size and weight, in any
// order, and whatever was measured before on another font.
TEST(SuperficieQt, TextosGuardadosSaoOsDeUmaMedidaNova) {
  struct Caso {
    const char* fonte;
    int pontos;
    bool negrito;
  };
  const Caso casos[] = {{"Tahoma", 10, true}, {"Tahoma", 10, false}, {"Tahoma", 20, true},
                        {"Arial", 10, true},  {"Tahoma", 10, true},  {"Courier New", 10, true},
                        {"Tahoma", 8, false}};
  const char* texto = "FASE:100.0/2000.0A Cliente ç";
  for (int volta = 0; volta < 2; ++volta)
    for (const Caso& c : casos) {
      SCOPED_TRACE(testing::Message() << c.fonte << " " << c.pontos << (c.negrito ? " negrito" : "")
                                      << " volta " << volta);
      Quadro q(400, 60);
      q.cv.setfontname(c.fonte);
      q.cv.setfontsize(c.pontos);
      q.cv.setfontbold(c.negrito);
      q.cv.setbrushstyle(tBRUSHSTYLE::clear);
      const QFont f = q.cv.qfont();
      const QFontMetrics fm(f, &q.img);
      EXPECT_EQ(q.cv.textwidth(texto), fm.horizontalAdvance(QString::fromUtf8(texto)));
      q.cv.textout(10, 20, texto);
      const QImage feito = q.fim();

      QImage direto = Quadro::prepara(400, 60, 96);
      QPainter p(&direto);
      p.setRenderHint(QPainter::TextAntialiasing, true);
      p.setFont(f);
      p.setPen(Qt::black);
      p.drawText(QPoint(10, 20 + fm.ascent()), QString::fromUtf8(texto));
      p.end();
      EXPECT_TRUE(feito == direto);
    }
}

TEST(SuperficieQt, TextoNaOrigemSuperiorEsquerdaEGirado) {
  const char* texto = "Tarvinel 2.0";
  for (int orientacao : {0, 900}) {
    Quadro q(300, 300);
    q.cv.setbrushstyle(tBRUSHSTYLE::clear);
    q.cv.setfontorientation(orientacao);
    const int tw = q.cv.textwidth(texto);
    const int th = q.cv.textheight(texto);
    q.cv.textout(100, 150, texto);
    const QRect r = tinta(q.fim());
    ASSERT_FALSE(r.isNull()) << "orientacao " << orientacao;
    SCOPED_TRACE(testing::Message()
                 << "orientacao " << orientacao << " tinta (" << r.left() << "," << r.top() << ")-("
                 << r.right() << "," << r.bottom() << ") texto " << tw << "x" << th);
    if (orientacao == 0) {
      // Right of and below the origin, within the text box (antialiased
      // edges may spill one pixel).
      EXPECT_GE(r.left(), 99);
      EXPECT_GE(r.top(), 149);
      EXPECT_LE(r.right(), 101 + tw);
      EXPECT_LE(r.bottom(), 151 + th);
      EXPECT_GT(r.width(), 3 * r.height());
    } else {
      // Running upwards from the origin; the text's top edge is turned to
      // the left, so the glyphs lie right of x = 100 and above y = 150.
      EXPECT_GE(r.left(), 99);
      EXPECT_LE(r.right(), 101 + th);
      EXPECT_LE(r.bottom(), 151);
      EXPECT_GE(r.top(), 149 - tw);
      EXPECT_GT(r.height(), 3 * r.width());
    }
  }
}

TEST(SuperficieQt, FundoDoTextoComPincelSolidoOuTransparente) {
  for (bool solido : {true, false}) {
    Quadro q;
    q.cv.setfontcolor(clBlue);
    q.cv.setbrush({0x00FFFF, solido ? tBRUSHSTYLE::solid : tBRUSHSTYLE::clear});  // yellow
    q.cv.textout(20, 20, "Ajuste");
    const int tw = q.cv.textwidth("Ajuste");
    const int th = q.cv.textheight("Ajuste");
    const QImage img = q.fim();
    const int amarelos = contacor(img, qRgb(255, 255, 0));
    SCOPED_TRACE(solido ? "pincel solido" : "pincel transparente");
    if (solido) {
      // The whole text box is yellow but for the glyphs.
      EXPECT_GT(amarelos, tw * th / 2);
      EXPECT_LE(amarelos, tw * th);
      EXPECT_EQ(cor(img, 20, 20), "255,255,0");
      EXPECT_EQ(cor(img, 20 + tw - 1, 20 + th - 1), "255,255,0");
      EXPECT_EQ(cor(img, 20 + tw, 20 + th), kBranco);
    } else {
      EXPECT_EQ(amarelos, 0);
      EXPECT_EQ(cor(img, 20, 20), kBranco);
    }
    EXPECT_GT(contacor(img, qRgb(0, 0, 255)), 0);  // blue glyphs
  }
}

TEST(SuperficieQt, PainterInativoNaoDesenhaNemQuebra) {
  QPainter p;
  tCANVASQT cv(p, 100, 100);
  cv.moveto(0, 0);
  cv.lineto(10, 10);
  cv.rectangle(0, 0, 10, 10);
  cv.textout(0, 0, "x");
  EXPECT_EQ(cv.width(), 100);
  EXPECT_GT(cv.textwidth("xx"), 0);
}

TEST(SuperficieQt, GraficoCompleto1024x768) {
  Quadro q(1024, 768);
  tCHARTX chart;
  chart.canvas = &q.cv;
  chart.setwh(1024, 768, 50);
  chart.limites = {1, 10000, 0.01, 100};
  chart.limpafundo = true;
  q.cv.setfontname("Tahoma");
  chart.defaultpen();
  chart.repaint();
  const QImage img = q.fim();

  // Window (75, 974, 50, 718); W - 1 = 898, H - 1 = 667.
  struct Ponto {
    int x, y;
    const char* cor;
    const char* oque;
  };
  const Ponto pontos[] = {
      {75, 400, kPreto, "moldura esquerda"},
      {973, 400, kPreto, "moldura direita"},
      {500, 50, kPreto, "moldura superior"},
      {500, 717, kPreto, "moldura inferior"},
      {299, 400, kPreto, "10 A"},
      {524, 400, kPreto, "100 A"},
      {748, 400, kPreto, "1 kA"},
      {142, 400, "192,192,192", "2 A"},
      {600, 550, kPreto, "0.1 s"},
      {600, 383, kPreto, "1 s"},
      {600, 216, kPreto, "10 s"},
      {600, 433, "192,192,192", "0.5 s"},
      {600, 480, kBranco, "entre 0.2 s e 0.3 s"},
      {1, 300, kPreto, "borda do fundo"},
      {8, 300, kBranco, "margem"},
  };
  for (const Ponto& p : pontos) EXPECT_EQ(cor(img, p.x, p.y), p.cor) << p.oque;

  // Labels: "10A" under its line, "1s" left of the axis, the title above.
  auto tintaem = [&](QRect r) {
    const QImage parte = img.copy(r);
    return parte.width() * parte.height() - contacor(parte, qRgb(255, 255, 255));
  };
  EXPECT_GT(tintaem(QRect(285, 728, 30, 16)), 10) << "rotulo 10A";
  EXPECT_GT(tintaem(QRect(30, 375, 40, 16)), 10) << "rotulo 1s";
  EXPECT_GT(tintaem(QRect(400, 5, 224, 40)), 50) << "titulo";
  EXPECT_EQ(tintaem(QRect(10, 10, 50, 30)), 0) << "canto vazio";
}

}  // namespace
