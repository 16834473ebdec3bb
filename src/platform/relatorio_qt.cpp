#include "platform/relatorio_qt.h"

#include "core/calculation/paginacao.h"
#include "platform/paginas_qt.h"

namespace tarvinel {

int imprime_relatorio(QPagedPaintDevice& dev, const std::vector<std::string>& linhas) {
  return imprimepaginas(
      dev, [&](tPAGINAS& pag) { return compoerelatorio(pag, linhas); }, QPageLayout::Portrait);
}

QByteArray relatorio_pdf(const std::vector<std::string>& linhas) {
  return pdfpaginas([&](tPAGINAS& pag) { return compoerelatorio(pag, linhas); },
                    QPageLayout::Portrait, "Relatório");
}

}  // namespace tarvinel
