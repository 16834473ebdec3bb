// What leaves the coordination window: the settings text (file and
// clipboard), the chart image (file and clipboard), the printed job, and the
// window as a document of the main window (new, save, open, based on a file,
// the export actions).

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cctype>
#include <string>

#include "core/coordination/ajuste_religa.h"
#include "core/curves/inifile.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "gui/calculation/fmcalc.h"
#include "gui/coordination/coordx.h"
#include "gui/coordination/listaajustes.h"
#include "gui/relaytest/fmensaio.h"
#include "gui/shell/fmmain.h"
#include "gui/vlprop.h"
#include "platform/coordimpressao.h"
#include "platform/relatorio_qt.h"
#include "support/dialogos_teste.h"

using namespace tarvinel;

namespace {

constexpr const char* kCOLAR =
    "Utilize as teclas \"CTRL+V\" dentro do seu documento para colar as informações.";

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

class tEXPORTA : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(dir.isValid(), true);
    inifile_open(std::make_unique<tMEMSTORE>());
    w = novocoord();
  }
  void TearDown() override {
    w.reset();
    inifile_close();
  }

  std::string caminho(const std::string& nome) const {
    return QDir(dir.path()).filePath(QString::fromStdString(nome)).toStdString();
  }

  static void edita(tVLPROP* v, const std::string& key, const std::string& valor) {
    const int r = v->grid()->indexof(key);
    ASSERT_GE(r, 0) << key;
    v->model()->setData(v->model()->index(r, 1), QString::fromStdString(valor), Qt::EditRole);
    emit v->alterado(QString::fromStdString(key));
  }

  QTemporaryDir dir;
  tROTEIRO dlg;
  std::unique_ptr<TfmCOORD> w;
};

}  // namespace

TEST_F(tEXPORTA, AjustesEmArquivo) {
  const std::string arq = caminho("ajustes.txt");
  dlg->arquivos = {arq};
  w->saveprop(true);
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].nome, "ajustes");
  EXPECT_EQ(dlg->pedidos[0].filtro, "*.txt|*.txt");
  EXPECT_EQ(dlg->pedidos[0].salvar, true);
  const std::string t = lerbytes(arq);
  EXPECT_EQ(t.substr(0, t.find("\r\n")), "1) Ajuste Rele/Religador: Concessionária");
  EXPECT_NE(t.find("\r\n\tFASE.Curva Principal: IEC-NI\r\n"), std::string::npos);
  EXPECT_EQ(t.find("Visível"), std::string::npos);
  EXPECT_EQ(t.find("\tCor:"), std::string::npos);
  EXPECT_NE(t.find("\r\n\r\n7) Curva de danos em cabo: Distribuição\r\n"), std::string::npos);
  EXPECT_EQ(dlg->mensagens.size(), 0u);
  EXPECT_EQ(w->changed, false);
}

TEST_F(tEXPORTA, AjustesCanceladoNaoGrava) {
  dlg->arquivos = {std::nullopt};
  w->saveprop(true);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

TEST_F(tEXPORTA, AjustesNaAreaDeTransferencia) {
  w->saveprop(false);
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  EXPECT_EQ(dlg->mensagens[0].texto,
            std::string("Ajustes foram copiados para área de transfêrencia.\n") + kCOLAR);
  EXPECT_EQ(dlg->mensagens[0].icone, tICONE::info);
  const std::string t = QApplication::clipboard()->text().toStdString();
  EXPECT_EQ(t, textoajustes(*w->proj));
  EXPECT_EQ(t.substr(0, t.find('\n') + 1), "1) Ajuste Rele/Religador: Concessionária\r\n");
}

// A note goes into the text once it is applied; an empty one does not.
TEST_F(tEXPORTA, ObservacoesSoQuandoHa) {
  auto conta = [&] {
    w->saveprop(false);
    const std::string t = QApplication::clipboard()->text().toStdString();
    int n = 0;
    for (std::size_t k = t.find("\tObservações: "); k != std::string::npos;
         k = t.find("\tObservações: ", k + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(conta(), 0);
  edita(w->vlITEM, "Observações", "revisar com a concessionária");
  w->btAPLICAR->click();
  EXPECT_EQ(conta(), 1);
}

TEST_F(tEXPORTA, ExportarNaoPerdeEdicoesPendentes) {
  edita(w->vlITEM, "Nome", "Cabo novo");
  dlg->arquivos = {caminho("a.txt")};
  w->saveprop(true);
  w->saveprop(false);
  EXPECT_EQ(w->btAPLICAR->isEnabled(), true);
  EXPECT_EQ(w->vlitem.value("Nome"), "Cabo novo");
  EXPECT_EQ(w->selecionado(), 6);
  EXPECT_EQ(dlg->perguntas.size(), 0u);
  w->btAPLICAR->click();
  EXPECT_EQ(w->proj->ajustes.Getajustes(6)->caption, "Cabo novo");
}

TEST_F(tEXPORTA, CoordenogramaVazio) {
  w->proj->ajustes.destroyitens();
  w->showitens(false);
  const std::string arq = caminho("vazio.txt");
  dlg->arquivos = {arq};
  w->saveprop(true);
  EXPECT_EQ(lerbytes(arq), "");
  w->saveprop(false);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "");
  EXPECT_EQ(dlg->mensagens.size(), 1u);
}

TEST_F(tEXPORTA, NomePropostoVemDoArquivo) {
  const std::string coord = caminho("SE Norte.coord");
  dlg->arquivos = {coord};
  w->savetofile("");
  ASSERT_EQ(w->curfilename, coord);
  dlg->arquivos = {std::nullopt, std::nullopt};
  w->saveprop(true);
  w->savejpg(true);
  ASSERT_EQ(dlg->pedidos.size(), 3u);
  EXPECT_EQ(dlg->pedidos[1].nome, "SE Norte");
  EXPECT_EQ(dlg->pedidos[2].nome, "SE Norte");
}

TEST_F(tEXPORTA, ImagemEmArquivo) {
  const std::string arq = caminho("grafico.jpg");
  dlg->arquivos = {arq};
  w->savejpg(true);
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].nome, "nova imagem");
  EXPECT_EQ(dlg->pedidos[0].filtro, "*.jpg|*.jpg");
  EXPECT_EQ(dlg->pedidos[0].salvar, true);
  const QImage img(QString::fromStdString(arq), "JPG");
  EXPECT_EQ(img.size(), QSize(1024, 768));
  EXPECT_EQ(dlg->mensagens.size(), 0u);
  EXPECT_EQ(w->changed, false);
}

TEST_F(tEXPORTA, ImagemNaAreaDeTransferencia) {
  w->savejpg(false);
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(1024, 768));
  // Also as PNG and as the SVG document, for programs that take those.
  const QMimeData* m = QApplication::clipboard()->mimeData();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(QImage::fromData(m->data(QStringLiteral("image/png")), "PNG").size(), QSize(1024, 768));
  EXPECT_EQ(QSvgRenderer(m->data(QStringLiteral("image/svg+xml"))).defaultSize(), QSize(1024, 768));
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  EXPECT_EQ(
      dlg->mensagens[0].texto,
      std::string("Gráfico do coordenograma foi copiado para área de transfêrencia.\n") + kCOLAR);
}

// The job's pages through a PDF printer: chart and summary, or phase chart,
// neutral chart and summary.
TEST_F(tEXPORTA, ImpressaoPaginas) {
  for (const bool separar : {false, true}) {
    w->cbSEPARAR->setChecked(separar);
    const std::string arq = caminho(separar ? "separado.pdf" : "junto.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(arq));
    {
      tPRINTSCOPE imprimindo;
      w->printexec(printer);
    }
    EXPECT_EQ(paginaspdf(lerbytes(arq)), separar ? 3 : 2) << "separar " << separar;
    EXPECT_EQ(w->changed, false);
  }
  // The window's display options are untouched by printing.
  EXPECT_EQ(w->opcoes().neutro, true);
}

// The window as a document kind of the main window.
TEST_F(tEXPORTA, NaJanelaPrincipal) {
  TfmMAIN fm;
  registra_coord(fm);
  EXPECT_EQ(fm.acao("NOVOCOORD")->shortcut(), QKeySequence(Qt::Key_F3));
  fm.acao("NOVOCOORD")->trigger();
  auto* c = dynamic_cast<TfmCOORD*>(fm.xta());
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->caption(), "novo coordenograma");
  EXPECT_EQ(fm.acao("SAVEPROPFILE")->isEnabled(), true);

  // Saved under a new name, then opened again and opened as a base.
  edita(c->vlPROP, "Título", "SE Norte");
  c->btAPLICAR->click();
  const std::string arq = caminho("norte.coord");
  dlg->arquivos = {arq};
  fm.salvar();
  EXPECT_EQ(c->curfilename, arq);
  EXPECT_EQ(c->changed, false);
  EXPECT_EQ(fm.recentes().lista().front(), arq);

  // Opened again while open: its tab comes to the front, no second copy.
  fm.loadfile(false, arq);
  EXPECT_EQ(fm.xta(), c);
  ASSERT_EQ(fm.tab_lst().size(), 1u);
  const std::string copia = caminho("norte-copia.coord");
  gravarbytes(copia, lerbytes(arq));
  fm.loadfile(false, copia);
  auto* lido = dynamic_cast<TfmCOORD*>(fm.xta());
  ASSERT_NE(lido, nullptr);
  ASSERT_NE(lido, c);
  EXPECT_EQ(lido->proj->titulo, "SE Norte");
  EXPECT_EQ(lido->vlprop.value("Título"), "SE Norte");
  EXPECT_EQ(lido->cbLISTA->count(), 7);
  EXPECT_EQ(lido->selecionado(), 6);
  EXPECT_EQ(lido->changed, false);

  fm.loadfile(true, arq);
  auto* base = dynamic_cast<TfmCOORD*>(fm.xta());
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(base->caption(), "Novo com base em: norte.coord");
  EXPECT_EQ(base->curfilename, "");

  // The export actions reach the active chart.
  fm.acao("SAVEPROPAREA")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), textoajustes(*base->proj));
  fm.acao("SAVEJPGAREA")->trigger();
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(1024, 768));
  EXPECT_EQ(dlg->imprevistos.size(), 0u);
}

// Share of the picture's pixels that are clearly darker than the background.
static double tinta(const QImage& img) {
  const QImage g = img.convertToFormat(QImage::Format_Grayscale8);
  qint64 n = 0;
  for (int y = 0; y < g.height(); ++y)
    for (int x = 0; x < g.width(); ++x) n += g.pixelColor(x, y).value() < 160;
  return double(n) / (double(g.width()) * g.height());
}

// The SVG export: the same drawing as the picture, with vector lines and the
// texts as text (selectable), never a raster image inside.
TEST_F(tEXPORTA, SvgEmArquivo) {
  const std::string arq = caminho("grafico.svg");
  dlg->arquivos = {arq};
  w->savesvg();
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].nome, "nova imagem");
  EXPECT_EQ(dlg->pedidos[0].filtro, "*.svg|*.svg");
  EXPECT_EQ(dlg->pedidos[0].salvar, true);
  const QByteArray svg = QByteArray::fromStdString(lerbytes(arq));
  QSvgRenderer r(svg);
  ASSERT_TRUE(r.isValid());
  EXPECT_EQ(r.defaultSize(), QSize(1024, 768));
  EXPECT_FALSE(svg.contains("<image"));
  EXPECT_GT(svg.count("<polyline") + svg.count("<path"), 10);
  // The legends are text elements: the relays' names.
  for (const auto& a : w->proj->ajustes) {
    if (dynamic_cast<const tAJUSTE_RELIGA*>(a.get()) == nullptr) continue;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("<text[^>]*>[^<]*") +
                                   QRegularExpression::escape(QString::fromStdString(a->caption)))
                    .match(QString::fromUtf8(svg))
                    .hasMatch())
        << a->caption;
  }
  // Rendered, it inks about as much as the picture export does.
  QImage desenho(1024, 768, QImage::Format_RGB32);
  desenho.fill(Qt::white);
  QPainter p(&desenho);
  r.render(&p);
  p.end();
  const double jpg = tinta(imagemcoord(*w->proj, w->opcoes(), nullptr));
  EXPECT_NEAR(tinta(desenho), jpg, 0.25 * jpg);
  EXPECT_EQ(w->changed, false);

  dlg->arquivos = {std::nullopt};
  std::remove(arq.c_str());
  w->savesvg();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(arq)));
}

// "Exportar PDF...": the printed pages of the active chart or calculation,
// without the print dialog, as imprimepdf and relatorio_pdf make them.
TEST_F(tEXPORTA, ExportarPdf) {
  TfmMAIN fm;
  registra_coord(fm);
  registra_calc(fm);
  registra_ensaio(fm);
  EXPECT_EQ(fm.acao("EXPORTPDF")->isEnabled(), false);
  fm.acao("NOVOCOORD")->trigger();
  auto* c = dynamic_cast<TfmCOORD*>(fm.xta());
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(fm.acao("EXPORTPDF")->isEnabled(), true);
  EXPECT_EQ(fm.acao("SAVESVGFILE")->isEnabled(), true);
  for (const bool separar : {false, true}) {
    c->cbSEPARAR->setChecked(separar);
    const std::string arq = caminho(separar ? "separado.pdf" : "junto.pdf");
    dlg->arquivos = {arq};
    fm.acao("EXPORTPDF")->trigger();
    const std::string ref = caminho("referencia.pdf");
    imprimepdf(ref, *c->proj, c->opcoes(), separar, nullptr);
    const std::string pdf = lerbytes(arq);
    EXPECT_EQ(paginaspdf(pdf), separar ? 3 : 2) << "separar " << separar;
    EXPECT_EQ(paginaspdf(pdf), paginaspdf(lerbytes(ref)));
    // A4 portrait: 595 x 842 points.
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);
  }
  EXPECT_EQ(dlg->pedidos.back().nome, "coordenograma");
  EXPECT_EQ(dlg->pedidos.back().filtro, "*.pdf|*.pdf");
  EXPECT_EQ(printing, false);

  fm.acao("NOVOCALC")->trigger();
  auto* calc = dynamic_cast<TfmCALC*>(fm.xta());
  ASSERT_NE(calc, nullptr);
  EXPECT_EQ(fm.acao("EXPORTPDF")->isEnabled(), true);
  EXPECT_EQ(fm.acao("SAVESVGFILE")->isEnabled(), false);
  const std::string rel = caminho("relatorio.pdf");
  dlg->arquivos = {rel};
  fm.acao("EXPORTPDF")->trigger();
  EXPECT_EQ(dlg->pedidos.back().nome, "relatorio");
  std::vector<std::string> linhas;
  for (const QString& l : calc->mmREPORT->toPlainText().split(QLatin1Char('\n')))
    linhas.push_back(l.toStdString());
  const QByteArray ref = relatorio_pdf(linhas);
  EXPECT_GT(paginaspdf(lerbytes(rel)), 1);
  EXPECT_EQ(paginaspdf(lerbytes(rel)), paginaspdf(ref.toStdString()));

  // Cancelled: nothing written, the older file kept.
  dlg->arquivos = {std::nullopt};
  const std::string antes = lerbytes(rel);
  fm.acao("EXPORTPDF")->trigger();
  EXPECT_EQ(lerbytes(rel), antes);
  // The relay test sheet prints nothing, so it has no PDF either.
  fm.acao("NOVOENSAIO")->trigger();
  EXPECT_EQ(fm.acao("EXPORTPDF")->isEnabled(), false);
  EXPECT_EQ(dlg->imprevistos.size(), 0u);
}
