// tarvinel-manual: builds manual.pdf at build time.
//
//   tarvinel-manual PASTA_CAPITULOS PASTA_EXEMPLOS VERSAO SAIDA.pdf [--telas PASTA] [--markdown
//   SAIDA.md]
//
// Reads the chapters, fills in the engine's numbers and tables, takes the
// screenshots from the program's windows and writes the PDF. Any fault
// (an unknown placeholder, a missing picture, a file that cannot be written)
// is reported on stderr and ends with exit 1, so the build fails.

#include <QApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "gui/shell/inicio.h"
#include "manual/expande.h"
#include "manual/pdf.h"
#include "manual/telas.h"

using namespace tarvinel;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  configura_numeros();
  const QStringList a = QApplication::arguments();
  if (a.size() < 5) {
    std::fputs(
        "uso: tarvinel-manual PASTA_CAPITULOS PASTA_EXEMPLOS VERSAO SAIDA.pdf "
        "[--telas PASTA] [--markdown SAIDA.md]\n",
        stderr);
    return 2;
  }
  QString pasta_telas, saida_md;
  for (int i = 5; i + 1 < a.size(); i += 2) {
    if (a[i] == QStringLiteral("--telas"))
      pasta_telas = a[i + 1];
    else if (a[i] == QStringLiteral("--markdown"))
      saida_md = a[i + 1];
  }
  // The version line the report's footer and the charts carry, as the about
  // window sets it in the program.
  versionline = "Tarvinel " + a[3].toStdString();
  try {
    const auto capitulos = manual::le_capitulos(a[1].toStdString());
    const manual::tMANUAL m =
        manual::expande(capitulos, manual::todos_valores(), manual::todas_tabelas());
    bool falha = false;
    for (const std::string& e : m.erros) {
      std::fprintf(stderr, "manual: %s\n", e.c_str());
      falha = true;
    }
    const auto& nomes = manual::nomes_telas();
    for (const std::string& t : m.telas)
      if (std::find(nomes.begin(), nomes.end(), t) == nomes.end()) {
        std::fprintf(stderr, "manual: imagem desconhecida \"tela:%s\"\n", t.c_str());
        falha = true;
      }
    if (falha) return 1;
    if (!saida_md.isEmpty()) gravartexto(saida_md.toStdString(), m.markdown);
    const auto telas = manual::tira_telas(a[2].toStdString());
    if (!pasta_telas.isEmpty()) {
      QDir().mkpath(pasta_telas);
      for (const auto& [n, img] : telas)
        img.save(QDir(pasta_telas).filePath(QString::fromStdString(n) + QStringLiteral(".png")));
    }
    const manual::tPDF pdf =
        manual::escreve_pdf(m.markdown, telas, a[3].toStdString(), a[4].toStdString());
    std::printf("manual: %d páginas, %zu figuras em %s\n", pdf.paginas, m.telas.size(),
                a[4].toStdString().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "manual: %s\n", e.what());
    return 1;
  }
  return 0;
}
