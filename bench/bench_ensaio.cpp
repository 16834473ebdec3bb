// Relay test chart: the whole paint of a test sheet (background, grid, the
// evaluated table with its tolerance band and points, corner texts), as the
// window repaints it after every cell edit. On the recording surface and,
// with the Qt layer, on a QImage the size of a window's chart.
#include <benchmark/benchmark.h>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/relaytest/ensaio.h"

#ifdef TARVINEL_HAS_PLATFORM
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "bench_qt.h"
#include "platform/canvas_qt.h"
#endif

using namespace tarvinel;

namespace {

// A generated table of `n` rows with measured times typed in.
tFOLHAENSAIO folha(int n) {
  tFOLHAENSAIO f;
  f.curva.setvalue("Amostras", std::to_string(n));
  f.gerarcurva();
  for (int r = 1; r <= f.linhas(); ++r) f.tabela.setcell(colTMED, r, "0.5");
  return f;
}

void BM_EnsaioGravado(benchmark::State& state) {
  tFOLHAENSAIO f = folha(static_cast<int>(state.range(0)));
  tCANVASREC rec(1024, 768);
  tCHARTX chart;
  chart.canvas = &rec;
  for (auto _ : state) {
    rec.clear();
    drawchart(chart, f, 1024, 768, 1);
    benchmark::DoNotOptimize(rec.ops.data());
  }
}
BENCHMARK(BM_EnsaioGravado)->Arg(10)->Arg(30);

#ifdef TARVINEL_HAS_PLATFORM

using tarvinel::bench::qt;

void BM_EnsaioQImage(benchmark::State& state) {
  qt();
  QImage img(1024, 768, QImage::Format_RGB32);
  img.setDotsPerMeterX(3780);  // 96 dpi
  img.setDotsPerMeterY(3780);
  tFOLHAENSAIO f = folha(static_cast<int>(state.range(0)));
  tCHARTX chart;
  for (auto _ : state) {
    QPainter p(&img);
    tCANVASQT cv(p);
    chart.canvas = &cv;
    drawchart(chart, f, img.width(), img.height(), 1);
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
  state.SetLabel("1024x768");
}
BENCHMARK(BM_EnsaioQImage)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);

#endif

}  // namespace
