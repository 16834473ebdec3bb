// The print job of a document as a PDF file, the same pages the printer of
// the desktop program gets: for a chart (.coord) the chart page (or the phase
// and the neutral pages) and the summary page; for a calculation (.ajuste)
// the report.

#include <cstdlib>
#include <memory>
#include <string>

#include "cli/comandos.h"

#ifdef TARVINEL_HAS_PLATFORM
#include <QGuiApplication>

#include "core/calculation/relatorio.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/prjcoord.h"
#include "core/foundation/arquivo.h"
#include "platform/coordimpressao.h"
#include "platform/relatorio_qt.h"
#endif

namespace tarvinel::cli {

#ifdef TARVINEL_HAS_PLATFORM

namespace {

// The extension from the last "." of the name (dot included), in lower case;
// empty when the name has none.
std::string extensao(const std::string& arq) {
  const std::size_t barra = arq.find_last_of("/\\");
  const std::size_t ponto = arq.rfind('.');
  if (ponto == std::string::npos || (barra != std::string::npos && ponto < barra)) return {};
  std::string e = arq.substr(ponto);
  for (char& c : e)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return e;
}

// Fonts and painting need a GUI application object; the command line has no
// screen, so unless the user chose a platform it draws offscreen.
std::unique_ptr<QGuiApplication> aplicacao() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char nome[] = "tarvinel-cli";
  static char* argv[] = {nome, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int pdf_coord(const std::string& arq, const std::string& saida, bool separar) {
  const std::unique_ptr<tPRJCOORD> prj = arq.empty() ? prjcoord_novo() : prjcoord_abre(arq);
  const auto app = aplicacao();
  tAJUSTE_CURSOR cursores;
  imprimepdf(saida, *prj, tOPCOES_GRAF{}, separar, &cursores);
  return SAIDA_OK;
}

// The report of the calculation, made in memory and written atomically.
int pdf_ajuste(const std::string& arq, const std::string& saida) {
  tRELATORIO r;
  if (!relatorio_ajuste(arq, r)) return SAIDA_ERRO;
  const auto app = aplicacao();
  const QByteArray pdf = relatorio_pdf(r.linhas);
  gravarbytes(saida, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
  return SAIDA_OK;
}

}  // namespace

int cmd_pdf(const tARGS& args) {
  std::string arq, saida;
  bool separar = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o") {
      if (i + 1 >= args.size()) return erro_uso("pdf", "falta o arquivo depois de -o");
      saida = args[++i];
    } else if (a == "--separar") {
      separar = true;
    } else if (!a.empty() && a[0] == '-') {
      return erro_uso("pdf", "opção desconhecida: " + a);
    } else if (!arq.empty()) {
      return erro_uso("pdf", "argumento inesperado: " + a);
    } else {
      arq = a;
    }
  }
  if (saida.empty()) return erro_uso("pdf", "informe o arquivo PDF com -o");
  const std::string ext = extensao(arq);
  if (arq.empty() || ext == ".coord") return pdf_coord(arq, saida, separar);
  if (ext == ".ajuste") {
    if (separar) return erro_uso("pdf", "--separar vale só para um coordenograma (.coord)");
    return pdf_ajuste(arq, saida);
  }
  return erro("formato não suportado: " + arq + " (use um arquivo .coord ou .ajuste)");
}

#else

int cmd_pdf(const tARGS& args) {
  (void)args;
  return erro("pdf indisponível: este tarvinel-cli foi construído sem Qt");
}

#endif

}  // namespace tarvinel::cli
