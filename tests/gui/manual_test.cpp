// The manual as the program ships it: the screenshots come from the real
// windows, the PDF is written whole or not at all, and "Ajuda" > "Manual"
// opens the manual.pdf the build put beside the program.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "dialogos_teste.h"
#include "manual/pdf.h"
#include "manual/telas.h"
#include "shell/ajuda.h"

using namespace tarvinel;

namespace {

// Distinct colours in a sample of the picture: a blank or failed grab has a
// handful.
int cores(const QImage& img) {
  QSet<QRgb> s;
  for (int y = 0; y < img.height(); y += 3)
    for (int x = 0; x < img.width(); x += 3) s.insert(img.pixel(x, y));
  return s.size();
}

QByteArray le(const QString& f) {
  QFile a(f);
  return a.open(QIODevice::ReadOnly) ? a.readAll() : QByteArray();
}

}  // namespace

TEST(ManualTelas, CadaTelaVemDeUmaJanelaDesenhada) {
  const auto telas = manual::tira_telas(TARVINEL_SOURCE_DIR "/data/examples");
  for (const std::string& n : manual::nomes_telas()) {
    const auto it = telas.find(n);
    ASSERT_NE(it, telas.end()) << n;
    EXPECT_GE(it->second.width(), 200) << n;
    EXPECT_GE(it->second.height(), 150) << n;
    EXPECT_GT(cores(it->second), 20) << n;
  }
  // The document windows are shown inside the main window at its size.
  EXPECT_EQ(telas.at("coord-ajustes").size(), QSize(1280, 800));
  EXPECT_EQ(telas.at("calc-relatorio").size(), QSize(1280, 800));
}

TEST(ManualPdf, EscreveOuDeixaOArquivoComoEstava) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString f = dir.filePath(QStringLiteral("manual.pdf"));
  QImage img(400, 300, QImage::Format_RGB32);
  img.fill(Qt::darkCyan);
  const std::string md =
      "# 1. Capítulo\n\nTexto com `código` e tabela:\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\n"
      "![Figura](tela:x)\n\n# 2. Outro\n\n## 2.1 Seção\n\nMais texto.\n";
  const int paginas = manual::escreve_pdf(md, {{"x", img}}, "9.9.9", f.toStdString());
  // Cover, contents, one page per chapter.
  EXPECT_EQ(paginas, 4);
  const QByteArray pdf = le(f);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));

  // A picture the text names but nobody took: refused, the old file kept.
  EXPECT_THROW(manual::escreve_pdf(md, {}, "9.9.9", f.toStdString()), std::runtime_error);
  EXPECT_EQ(le(f), pdf);
  EXPECT_THROW(manual::escreve_pdf(md, {{"x", img}}, "9.9.9",
                                   dir.filePath(QStringLiteral("nao/existe/m.pdf")).toStdString()),
               std::runtime_error);
}

// The build writes manual.pdf into the program's folder; the "Manual" entry
// finds it there and hands it to the platform's viewer (here a spy).
TEST(ManualAjuda, OMenuAbreOManualConstruido) {
  const QString pdf = QDir(TARVINEL_PASTA_PROGRAMA).filePath(QStringLiteral("manual.pdf"));
  ASSERT_TRUE(QFile::exists(pdf)) << pdf.toStdString();
  const QByteArray bytes = le(pdf);
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_GT(bytes.size(), 100000);

  std::vector<std::string> abertos;
  const tSHELLOPEN antes = set_shell_open([&](const std::string& a) {
    abertos.push_back(a);
    return true;
  });
  tROTEIRO dlg;
  abre_manual(TARVINEL_PASTA_PROGRAMA);
  set_shell_open(antes);
  ASSERT_EQ(abertos.size(), 1u);
  EXPECT_EQ(QDir::cleanPath(QString::fromStdString(abertos[0])), QDir::cleanPath(pdf));
  EXPECT_TRUE(dlg->mensagens.empty());
  EXPECT_TRUE(dlg->imprevistos.empty());
}
