// tarvinel: the desktop program. Starts the modules, creates the windows in
// their order, opens the documents named on the command line and runs until
// the main window closes; then writes the recent-files list and the user
// curves.
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli/ajuda.h"
#include "gui/calculation/fmcalc.h"
#include "gui/comando.h"
#include "gui/coordination/coordx.h"
#include "gui/curves/curvas_ui.h"
#include "gui/relaytest/fmensaio.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/inicio.h"
#include "gui/shell/instala.h"
#include "platform/settings_qt.h"

using namespace tarvinel;

int main(int argc, char** argv) {
  // Answered before any window system is reached, so they work without a
  // screen too.
  for (int i = 1; i < argc; ++i) {
    const bool ajuda = std::strcmp(argv[i], "--help") == 0;
    if (ajuda || std::strcmp(argv[i], "--version") == 0) {
      const std::string s = ajuda ? cli::texto_ajuda_programa() : "Tarvinel " TARVINEL_VERSAO "\n";
      return std::fputs(s.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    }
  }
  tAPLICACAO app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("orbelin"));
  QApplication::setApplicationName(QStringLiteral("tarvinel"));
  // No display name: the window system would append it to every caption.
  instala_traducao();

  inicia_modulos(std::make_unique<tSTOREQT>());
  configura_numeros();

  int rc = 0;
  {
    // The windows in their order: the main window, the about window (which
    // sets the version line) with the welcome screen, then the curve browser,
    // the user-curve editor and the fuse-link chooser.
    TfmMAIN fm;
    instala_sobre_novo(fm);
    cria_janelas_curvas(&fm);
    // Document kinds: "Coordenograma" (F3) with the .coord files, the relay
    // test sheet (F5).
    registra_coord(fm);
    registra_ensaio(fm);
    // "Ajuste/Calculo de rele" (F2) and the opening of .ajuste files.
    registra_calc(fm);
    fm.recentes().ler(tRECENTES::caminho_padrao());
    fm.showMaximized();

    const QStringList args = QApplication::arguments().mid(1);
    if (!args.isEmpty()) {
      QTimer::singleShot(0, &fm, [&fm, args] {
        fm.fecha_novo();
        for (const QString& a : args) comando([&] { fm.loadfile(false, a.toStdString()); });
      });
    }
    rc = QApplication::exec();
    finaliza_modulos(fm.recentes(), tRECENTES::caminho_padrao());
  }
  return rc;
}
