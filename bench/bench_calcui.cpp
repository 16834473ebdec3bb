// Apply in the calculation window: the grids read into the project, the
// calculation, the report written into the report area (the window laid out
// and shown offscreen, 1400 x 900) and the grids shown again.
//
// Targets: the example project under 30 ms, a project of 200 transformers
// under 300 ms.
//
// Widgets need a QApplication. This file registers before the benchmarks
// that keep a QGuiApplication for the whole run, so its application object is
// made first and serves them too; when another one already exists (a filter
// ran those alone first) and cannot host widgets, the benchmarks say so.
#if defined(TARVINEL_HAS_GUI)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "core/curves/inifile.h"
#include "gui/calculation/fmcalc.h"
#include "support/dialogos_teste.h"

using namespace tarvinel;

namespace {

bool qt() {
  static int argc = 1;
  static char nome[] = "tarvinel_bench";
  static char* argv[] = {nome, nullptr};
  if (QCoreApplication::instance() != nullptr) return qobject_cast<QApplication*>(qApp) != nullptr;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  if (!inifile_isopen()) inifile_open(std::make_unique<tMEMSTORE>());
  return true;
}

void aplicar(benchmark::State& state, int trafos) {
  if (!qt()) {
    state.SkipWithError("o objeto de aplicação deste processo não aceita janelas");
    return;
  }
  tROTEIRO dlg;  // a plausibility message would otherwise wait for the user
  QWidget host;
  host.setLayout(new QVBoxLayout);
  host.resize(1400, 900);
  TfmCALC w;
  w.set_parent(&host);
  host.show();
  if (trafos > 0) {
    w.proj.trafos.destroyitens();
    const double kva[] = {75, 112.5, 150, 225, 300, 500, 750, 1000};
    for (int i = 0; i < trafos; ++i) {
      tTRAFO* t = w.proj.trafos.novotrafo();
      t->init(kva[i % 8], 4 + 0.25 * (i % 7), 8, i % 4 == 0 ? LIG_DD : LIG_DYA, i % 5 == 0);
    }
    w.showprop();
    w.showitens(false);
  }
  QCoreApplication::processEvents();
  for (auto _ : state) {
    w.btAPLICAR->setEnabled(true);
    if (!w.aplicar()) {
      state.SkipWithError("o cálculo recusou o projeto");
      break;
    }
  }
  state.counters["linhas"] = static_cast<double>(w.rel.linhas.size());
  state.counters["trafos"] = w.proj.trafos.count();
  w.set_parent(nullptr);
}

void BM_CalcAplicarExemplo(benchmark::State& state) {
  aplicar(state, 0);
}
void BM_CalcAplicar200Trafos(benchmark::State& state) {
  aplicar(state, 200);
}

BENCHMARK(BM_CalcAplicarExemplo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcAplicar200Trafos)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
