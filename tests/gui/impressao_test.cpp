// Paper from every path: the desktop's "Imprimir" (a printer at its own
// resolution, here a PDF file) and tarvinel-cli's PDF print the same pages,
// with the same line widths in millimetres; the relay test prints its page
// and exports its chart; the standard dialogs speak Portuguese.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <string>

#include "core/foundation/arquivo.h"
#include "gui/calculation/fmcalc.h"
#include "gui/coordination/coordx.h"
#include "gui/relaytest/fmensaio.h"
#include "gui/shell/inicio.h"
#include "pdf_teste.h"
#include "shell_fixture.h"

using namespace tarvinel;
using namespace tarvinel::teste;

namespace {

const std::string kEXEMPLO =
    std::string(TARVINEL_SOURCE_DIR) + "/data/examples/subestacao-23kv-3-trafos.coord";

class tIMPRESSAO : public tSHELL {
 protected:
  void SetUp() override {
    tSHELL::SetUp();
    registra_coord(*fm);
    registra_calc(*fm);
    registra_ensaio(*fm);
  }

  // "Imprimir" of the main window on the active document, confirmed, into a
  // PDF file at the printer's own resolution.
  std::vector<tPAGINAPDF> imprime(const std::string& nome) {
    const std::string arq = caminho(nome);
    QPrinter& p = fm->impressora();
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromStdString(arq));
    // The paper of tarvinel-cli's PDF; the printer keeps its own resolution.
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    dlg->impressoes = {true};
    fm->acao("PRINT")->trigger();
    EXPECT_TRUE(dlg->imprevistos.empty());
    return lepdf(lerbytes(arq));
  }
};

// Line widths in mm of a page, for failure messages.
std::string texto(const std::map<double, int>& l) {
  std::string s;
  for (const auto& [mm, n] : l)
    s += std::to_string(mm).substr(0, 4) + "mm x" + std::to_string(n) + " ";
  return s;
}

}  // namespace

TEST_F(tIMPRESSAO, ImpressoraEPdfDoCliComAsMesmasLargurasEmMilimetros) {
  fm->loadfile(false, kEXEMPLO);
  ASSERT_NE(fm->xta(), nullptr);
  EXPECT_EQ(
      fm->impressora().outputFormat() == QPrinter::PdfFormat || fm->impressora().resolution() > 96,
      true)
      << "the printer keeps its own resolution";
  for (const bool separar : {false, true}) {
    static_cast<TfmCOORD*>(fm->xta())->cbSEPARAR->setChecked(separar);
    const std::vector<tPAGINAPDF> desk = imprime(separar ? "desk-sep.pdf" : "desk.pdf");
    const std::string cli = caminho(separar ? "cli-sep.pdf" : "cli.pdf");
    QStringList args{"pdf", QString::fromStdString(kEXEMPLO), "-o", QString::fromStdString(cli)};
    if (separar) args << "--separar";
    ASSERT_EQ(QProcess::execute(QStringLiteral(TARVINEL_CLI), args), 0);
    const std::vector<tPAGINAPDF> cmd = lepdf(lerbytes(cli));
    ASSERT_EQ(desk.size(), separar ? 3u : 2u) << "separar " << separar;
    ASSERT_EQ(cmd.size(), desk.size()) << "separar " << separar;
    for (std::size_t i = 0; i < desk.size(); ++i) {
      EXPECT_EQ(desk[i].larguras, cmd[i].larguras)
          << "página " << i + 1 << " separar " << separar
          << "\nimpressora: " << texto(desk[i].larguras) << "\ncli: " << texto(cmd[i].larguras);
    }
    // Frame and curves 20 paper pixels (0.85 mm), thin lines 5 (0.21 mm).
    for (std::size_t i = 0; i + 1 < desk.size(); ++i) {
      EXPECT_GT(desk[i].larguras.count(0.85), 0u)
          << "página " << i + 1 << ": " << texto(desk[i].larguras);
      EXPECT_GT(desk[i].larguras.count(0.21), 0u)
          << "página " << i + 1 << ": " << texto(desk[i].larguras);
      for (const auto& [mm, n] : desk[i].larguras) EXPECT_LE(mm, 1.0) << "página " << i + 1;
    }
  }
}

// The report: the same pages on the printer and in the CLI's PDF.
TEST_F(tIMPRESSAO, RelatorioNaImpressoraENoCli) {
  fm->novocalc();
  const std::vector<tPAGINAPDF> desk = imprime("relatorio.pdf");
  const std::string cli = caminho("relatorio-cli.pdf");
  const std::string ajuste = caminho("novo.ajuste");
  fm->xta()->savetofile(ajuste);
  ASSERT_EQ(QProcess::execute(QStringLiteral(TARVINEL_CLI), {"pdf", QString::fromStdString(ajuste),
                                                             "-o", QString::fromStdString(cli)}),
            0);
  const std::vector<tPAGINAPDF> cmd = lepdf(lerbytes(cli));
  EXPECT_GT(desk.size(), 3u);
  EXPECT_EQ(desk.size(), cmd.size());
  for (const tPAGINAPDF& p : desk) EXPECT_LT(p.largura, p.altura) << "retrato";
}

// The relay test: one landscape page with its chart, and its image exports.
TEST_F(tIMPRESSAO, EnsaioImprimeUmaPaginaDeitadaEExportaOGrafico) {
  fm->novoensaio();
  EXPECT_TRUE(fm->acao("PRINT")->isEnabled());
  EXPECT_TRUE(fm->acao("SAVEJPGFILE")->isEnabled());
  EXPECT_TRUE(fm->acao("SAVEJPGAREA")->isEnabled());
  EXPECT_FALSE(fm->acao("SAVEPROPFILE")->isEnabled()) << "sem ajustes para exportar";
  EXPECT_FALSE(fm->acao("SAVEPROPAREA")->isEnabled());
  const std::vector<tPAGINAPDF> p = imprime("ensaio.pdf");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_GT(p[0].largura, p[0].altura) << "paisagem";
  EXPECT_GT(p[0].larguras.count(0.85), 0u) << texto(p[0].larguras);

  const std::string jpg = caminho("ensaio.jpg");
  dlg->arquivos = {jpg};
  fm->acao("SAVEJPGFILE")->trigger();
  const QImage img(QString::fromStdString(jpg));
  EXPECT_EQ(img.size(), QSize(1024, 768));
  dlg->mensagens.clear();
  fm->acao("SAVEJPGAREA")->trigger();
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  EXPECT_EQ(dlg->mensagens[0].texto.rfind("Gráfico do ensaio foi copiado", 0), 0u)
      << dlg->mensagens[0].texto;
}

// Qt's own texts in Brazilian Portuguese: the standard buttons of every
// dialog, the file dialog's question, the text context menus.
TEST(Traducao, BotoesPadraoEmPortugues) {
  ASSERT_TRUE(instala_traducao()) << "qtbase_pt_BR.qm (qt6-translations-l10n)";
  EXPECT_TRUE(instala_traducao()) << "a second call keeps the one translator";
  // Without the accelerator marks ("&Cancelar").
  auto sem_e = [](QString s) { return s.remove('&').toStdString(); };
  QDialogButtonBox caixa(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(sem_e(caixa.button(QDialogButtonBox::Cancel)->text()), "Cancelar");
  QLineEdit linha;
  std::unique_ptr<QMenu> menu(linha.createStandardContextMenu());
  std::vector<std::string> itens;
  for (QAction* a : menu->actions()) itens.push_back(sem_e(a->text().section('\t', 0, 0)));
  EXPECT_NE(std::find(itens.begin(), itens.end(), "Selecionar tudo"), itens.end());
  EXPECT_NE(std::find(itens.begin(), itens.end(), "Copiar"), itens.end());
}
