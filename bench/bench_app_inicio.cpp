// Start-up of the desktop program on the offscreen platform: from the creation
// of the application object to the main window shown (modules, number
// settings, main window, first show and its pending events). Each iteration
// makes and destroys its own application object, so this file is named to
// register before the benchmarks that keep a static QGuiApplication.
#if defined(TARVINEL_HAS_GUI)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "core/curves/inifile.h"
#include "gui/comando.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/inicio.h"

namespace {

void BM_InicioJanelaPrincipal(benchmark::State& state) {
  if (QCoreApplication::instance() != nullptr) {
    state.SkipWithError("já existe um objeto de aplicação neste processo");
    return;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char nome[] = "tarvinel_bench";
  static char* argv[] = {nome, nullptr};
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    auto app = std::make_unique<tarvinel::tAPLICACAO>(argc, argv);
    tarvinel::inicia_modulos(std::make_unique<tarvinel::tMEMSTORE>());
    tarvinel::configura_numeros();
    auto fm = std::make_unique<tarvinel::TfmMAIN>();
    fm->showMaximized();
    QCoreApplication::processEvents();
    const auto t1 = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    fm.reset();
    tarvinel::inifile_close();
    app.reset();
  }
}
BENCHMARK(BM_InicioJanelaPrincipal)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
#endif
