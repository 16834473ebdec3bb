// The chart on paper and in pictures: the summary page's lines and layout,
// the number of pages of a printed job (counted in the PDF it becomes) and
// the exported JPEG picture.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cctype>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/prjcoord.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "platform/coordimpressao.h"

using namespace tarvinel;

namespace {

// Pages of a PDF: its page objects, not the page-tree node ("/Type /Pages").
int paginaspdf(const std::string& b) {
  int n = 0;
  for (auto k = b.find("/Type"); k != std::string::npos; k = b.find("/Type", k + 1)) {
    auto j = k + 5;
    while (j < b.size() && (b[j] == ' ' || b[j] == '\r' || b[j] == '\n')) ++j;
    const bool pagina = b.compare(j, 5, "/Page") == 0;
    if (pagina && (j + 5 >= b.size() || !std::isalpha(static_cast<unsigned char>(b[j + 5])))) ++n;
  }
  return n;
}

std::string temporario(const std::string& nome) {
  return QDir::temp().filePath(QString::fromStdString(nome)).toStdString();
}

// versionline is process-wide; each test that reads it sets it and puts the
// previous value back.
struct tVERSAO {
  std::string antes = versionline;
  explicit tVERSAO(const std::string& v) { versionline = v; }
  ~tVERSAO() { versionline = antes; }
};

std::unique_ptr<tPRJCOORD> sem_ajustes() {
  auto prj = prjcoord_novo();
  prj->ajustes.destroyitens();
  return prj;
}

}  // namespace

TEST(CoordResumo, LinhasDoExemplo) {
  tVERSAO v("Tarvinel 2.0.0");
  const auto prj = prjcoord_novo();
  const std::vector<tLINHARESUMO> esperado = {
      {""},
      {"Responável: Eng. ..."},
      {"Subestação: exemplo"},
      {"Alimentador: exemplo"},
      {"Data: 09/12/26"},
      {" "},
      {"Resumo dos ajustes dos religadores"},
      {"Religador           Partida[A]  Inst[A]     DialTime    Curva       "},
      {"1-Concessionária: Não especificado", 32768},
      {"  ...Fase           400.0       4000        0.200       IEC-NI      ", 32768},
      {"  ...Neutro         40.0        0.000       0.100       IEC-NI      ", 32768},
      {"2-Cliente: Não especificado", 16711680},
      {"  ...Fase           10.0        100.0       0.200       IEC-NI      ", 16711680},
      {"  ...Neutro         1.000       0.000       0.100       IEC-NI      ", 16711680},
      {" "},
      {"Software: Tarvinel 2.0.0/contato@tarvinel.com.br"},
  };
  const std::vector<tLINHARESUMO> l = linhasresumo(*prj, "09/12/26");
  ASSERT_EQ(l.size(), esperado.size());
  for (std::size_t i = 0; i < l.size(); ++i) {
    EXPECT_EQ(l[i].texto, esperado[i].texto) << "linha " << i;
    EXPECT_EQ(l[i].cor, esperado[i].cor) << "linha " << i;
  }
}

TEST(CoordResumo, ReleNumeradoPelaPosicaoNaListaInteira) {
  tVERSAO v("V");
  auto prj = sem_ajustes();
  prj->ajustes.add(ajuste_por_bloco("ajuste-iccminmax{"));
  prj->ajustes.add(ajuste_por_bloco("ajuste-texto{"));
  auto* r = static_cast<tAJUSTE_RELIGA*>(prj->ajustes.add(ajuste_por_bloco("ajuste-religador{")));
  r->caption = "Religador da SE";
  r->modelo = "Form 6";
  r->color = 0x0000FF;
  const std::vector<tLINHARESUMO> l = linhasresumo(*prj, "01/02/03");
  ASSERT_EQ(l.size(), 13u);
  EXPECT_EQ(l[8].texto, "3-Religador da SE: Form 6");
  EXPECT_EQ(l[8].cor, 0x0000FF);
  EXPECT_EQ(l[12].cor, clBlack) << "a linha do software volta ao preto";
}

TEST(CoordResumo, SemRelesSoCabecalho) {
  tVERSAO v("V");
  const auto prj = sem_ajustes();
  const std::vector<tLINHARESUMO> l = linhasresumo(*prj, "01/02/03");
  ASSERT_EQ(l.size(), 10u);
  EXPECT_EQ(l[7].texto.substr(0, 9), "Religador");
  EXPECT_EQ(l[8].texto, " ");
  EXPECT_EQ(l[9].texto, "Software: V/contato@tarvinel.com.br");
}

// Layout on a surface with fixed metrics (7 x 13 pixels a letter): left edge
// five letters in, the first line two line heights down, one line height per
// line, and a new page instead of lines past the bottom.
TEST(CoordResumo, DesenhoEPaginas) {
  tCANVASREC c(400, 100);
  std::vector<tLINHARESUMO> linhas;
  for (int i = 0; i < 12; ++i) linhas.push_back({"L" + std::to_string(i), i == 3 ? 0xFF : clBlack});
  int novas = 0;
  std::vector<std::size_t> quebras;
  const int paginas = desenharesumo(c, linhas, [&] {
    ++novas;
    quebras.push_back(c.of(tOPKIND::text).size());
  });
  EXPECT_EQ(paginas, 3);
  EXPECT_EQ(novas, 2);
  // 100 pixels hold the lines at 26, 39, 52, 65, 78: five per page.
  EXPECT_EQ(quebras, (std::vector<std::size_t>{5, 10}));
  const std::vector<tCANVASOP> t = c.of(tOPKIND::text);
  ASSERT_EQ(t.size(), 12u);
  const int ys[] = {26, 39, 52, 65, 78, 26, 39, 52, 65, 78, 26, 39};
  for (std::size_t i = 0; i < t.size(); ++i) {
    EXPECT_EQ(t[i].pts[0].x, 35) << t[i].text;
    EXPECT_EQ(t[i].pts[0].y, ys[i]) << t[i].text;
    EXPECT_EQ(t[i].font.size, 12) << t[i].text;
    EXPECT_EQ(t[i].brush.style, tBRUSHSTYLE::clear) << t[i].text;
  }
  EXPECT_EQ(t[3].font.color, 0xFF);
  EXPECT_EQ(t[4].font.color, clBlack);
}

TEST(CoordImpressao, ResumoLongoContinuaNaPaginaSeguinte) {
  auto prj = prjcoord_novo();
  for (int i = 0; i < 100; ++i) prj->ajustes.add(ajuste_por_bloco("ajuste-religador{"));
  const std::string arq = temporario("coord_cem.pdf");
  const int n = imprimepdf(arq, *prj, tOPCOES_GRAF{}, false, nullptr);
  EXPECT_EQ(printing, false) << "o sinal de impressão volta ao que era";
  // 318 summary lines at about 55 lines a page.
  EXPECT_GE(n, 6);
  EXPECT_LE(n, 9);
  EXPECT_EQ(paginaspdf(lerbytes(arq)), n);
  std::remove(arq.c_str());
}

// Printing and the image export draw on charts of their own: the window's
// chart keeps the size, mapping and display options of its last screen
// drawing.
TEST(CoordImpressao, ChartDaJanelaIntocado) {
  auto prj = prjcoord_novo();
  tCHARTX chart;
  tOPCOES_GRAF opt;
  opt.legenda = false;
  opt.neutro = false;
  tCANVASREC tela(900, 600);
  drawcoord(*prj, chart, tela, 900, 50, 600, opt);
  const std::string arq = temporario("coord_estado.pdf");
  imprimepdf(arq, *prj, opt, true, nullptr);
  (void)imagemcoord(*prj, opt, nullptr);
  EXPECT_EQ(chart.w, 900);
  EXPECT_EQ(chart.h, 600);
  EXPECT_EQ(chart.showlegend, false);
  EXPECT_EQ(chart.show_neutro, false);
  EXPECT_EQ(chart.linhagrossa, 3);
  EXPECT_EQ(chart.limpafundo, true);
  std::remove(arq.c_str());
}

TEST(CoordImpressao, PdfEmPastaInexistenteFalhaSemArquivo) {
  auto prj = prjcoord_novo();
  const std::string arq = temporario("nao-existe-tarvinel/x.pdf");
  EXPECT_THROW(imprimepdf(arq, *prj, tOPCOES_GRAF{}, false, nullptr), tERROARQ);
  EXPECT_EQ(printing, false);
}

TEST(CoordImagem, JpegDoExemplo) {
  auto prj = prjcoord_novo();
  const QImage img = imagemcoord(*prj, tOPCOES_GRAF{}, nullptr);
  EXPECT_EQ(img.width(), 1024);
  EXPECT_EQ(img.height(), 768);
  const std::string arq = temporario("coord_exemplo.jpg");
  gravajpg(arq, img);
  const std::string b = lerbytes(arq);
  ASSERT_GE(b.size(), 1000u);
  EXPECT_EQ(static_cast<unsigned char>(b[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(b[1]), 0xD8);
  const QImage lida(QString::fromStdString(arq), "JPG");
  EXPECT_EQ(lida.size(), QSize(1024, 768));
  std::remove(arq.c_str());
}
