// The manual as the program ships it: the screenshots come from the real
// windows, the PDF is written whole or not at all, and "Ajuda" > "Manual"
// opens the manual.pdf the build put beside the program.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <cctype>
#include <string>
#include <vector>

#include "gui/shell/ajuda.h"
#include "manual/pdf.h"
#include "manual/telas.h"
#include "support/dialogos_teste.h"

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

// Only words: quotes, punctuation, table rules and line breaks differ between
// Markdown and the text poppler extracts from the PDF.
std::string palavras(const std::string& s) {
  std::string r;
  for (unsigned char c : s) {
    const bool letra = std::isalnum(c) || c >= 0x80;
    if (letra)
      r += static_cast<char>(c);
    else if (!r.empty() && r.back() != ' ')
      r += ' ';
  }
  return r;
}

// The text of a PDF (poppler's pdftotext, installed with the test tools).
std::string texto_pdf(const QString& arquivo) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"),
          {QStringLiteral("-enc"), QStringLiteral("UTF-8"), arquivo, QStringLiteral("-")});
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
  // Ligatures the font draws come back as one character.
  QString t = QString::fromUtf8(p.readAllStandardOutput());
  t.replace(QChar(0xFB01), QStringLiteral("fi")).replace(QChar(0xFB02), QStringLiteral("fl"));
  return t.toStdString();
}

// The paragraphs of Markdown text whose first words are not in the PDF's
// text; tables, code blocks, pictures and headings aside (their layout
// changes the order in which poppler reads them).
// The text of one page.
std::string texto_pagina(const QString& arquivo, int pagina) {
  QProcess p;
  const QString n = QString::number(pagina);
  p.start(QStringLiteral("pdftotext"),
          {QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-enc"),
           QStringLiteral("UTF-8"), arquivo, QStringLiteral("-")});
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
  QString t = QString::fromUtf8(p.readAllStandardOutput());
  t.replace(QChar(0xFB01), QStringLiteral("fi")).replace(QChar(0xFB02), QStringLiteral("fl"));
  return t.toStdString();
}

std::vector<std::string> ausentes(const std::string& md, const std::string& pdf) {
  const std::string t = palavras(pdf);
  std::vector<std::string> r;
  std::vector<std::string> pars;
  std::string par;
  bool codigo = false;
  std::size_t a = 0;
  while (a <= md.size()) {
    std::size_t b = md.find('\n', a);
    if (b == std::string::npos) b = md.size();
    const std::string linha = md.substr(a, b - a);
    a = b + 1;
    const std::size_t i = linha.find_first_not_of(' ');
    const bool cerca = i != std::string::npos && linha.compare(i, 3, "```") == 0;
    if (cerca) codigo = !codigo;
    if (cerca || codigo || i == std::string::npos) {
      if (!par.empty()) pars.push_back(par);
      par.clear();
      continue;
    }
    if (par.empty() && std::string("|!#*").find(linha[i]) != std::string::npos) continue;
    if (!par.empty() || i != std::string::npos) par += linha + " ";
  }
  for (const std::string& p : pars) {
    const std::string w = palavras(p);
    std::size_t fim = 0;
    int n = 0;
    while (n < 4 && (fim = w.find(' ', fim + 1)) != std::string::npos) ++n;
    if (n < 4) continue;
    const std::string inicio = w.substr(w[0] == ' ' ? 1 : 0, fim);
    if (t.find(inicio) == std::string::npos) r.push_back(inicio);
  }
  return r;
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
  const manual::tPDF r = manual::escreve_pdf(md, {{"x", img}}, "9.9.9", f.toStdString());
  // Cover, contents, one page per chapter.
  EXPECT_EQ(r.paginas, 4);
  EXPECT_EQ(r.sumario, (std::vector<std::pair<std::string, int>>{
                           {"1. Capítulo", 3}, {"2. Outro", 4}, {"2.1 Seção", 4}}));
  const QByteArray pdf = le(f);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));

  // Long text runs over many pages and every paragraph reaches them.
  std::string longo = "# 1. Longo\n\n";
  std::string enchimento;
  for (int k = 0; k < 40; ++k) enchimento += "palavra ";
  for (int i = 1; i <= 80; ++i)
    longo += "Parágrafo " + std::to_string(i) + " " + enchimento + "fim do parágrafo " +
             std::to_string(i) + ".\n\n";
  const QString f2 = dir.filePath(QStringLiteral("longo.pdf"));
  const manual::tPDF r2 = manual::escreve_pdf(longo, {}, "9.9.9", f2.toStdString());
  EXPECT_GE(r2.paginas, 6);
  const std::string txt = texto_pdf(f2);
  ASSERT_FALSE(txt.empty()) << "pdftotext";
  for (int i = 1; i <= 80; ++i)
    EXPECT_NE(palavras(txt).find("fim do parágrafo " + std::to_string(i) + " "), std::string::npos)
        << i;

  // Each title of the contents is on the page the contents give for it, the
  // chapter's title first on its page.
  for (const auto& [titulo, pag] : r.sumario)
    EXPECT_NE(palavras(texto_pagina(f, pag)).find(palavras(titulo)), std::string::npos) << titulo;
  EXPECT_EQ(palavras(texto_pagina(f, 3)).rfind(palavras("1. Capítulo"), 0), 0u);

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

  // Every paragraph and section of the expanded chapters is in the PDF.
  const QString md = QDir(TARVINEL_PASTA_MANUAL).filePath(QStringLiteral("manual.md"));
  const std::string markdown = le(md).toStdString();
  ASSERT_FALSE(markdown.empty()) << md.toStdString();
  const std::string txt = texto_pdf(pdf);
  ASSERT_FALSE(txt.empty()) << "pdftotext";
  for (const std::string& p : ausentes(markdown, txt)) ADD_FAILURE() << "fora do PDF: " << p;
  EXPECT_NE(palavras(txt).find("Relação ICC3F Z1"), std::string::npos);
  EXPECT_NE(palavras(txt).find("Editor de curva"), std::string::npos);

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
