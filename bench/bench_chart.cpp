// Chart drawing: the background of a 1024 x 768 chart (the size of the
// exported image), on the recording surface and, with the Qt layer, on a
// QImage through the QPainter surface.
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"

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

void prepara(tCHARTX& chart, tCANVAS& cv) {
  chart.canvas = &cv;
  chart.setwh(1024, 768, 50);
  chart.limites = {1, 10000, 0.01, 100};
  chart.limpafundo = true;
  cv.setfontname("Tahoma");
  cv.setfontsize(10);
}

// 1000 samples of a very inverse curve across the window, as a protection
// function draws itself.
void curva(tCHARTX& chart) {
  const double W = chart.window.width();
  for (int k = 0; k < 1000; ++k) {
    const double i = chart.px2rl(W * k / 1000 + chart.window.xl, 1).x;
    const double m = i / 100;
    if (m <= 1) continue;
    const double t = 13.5 / (m - 1);
    if (t < 90 && chart.limites.contains({i, t})) chart.pushline(i, t);
  }
  chart.flushline();
}

void BM_RepaintGravado(benchmark::State& state) {
  tCANVASREC rec(1024, 768);
  tCHARTX chart;
  prepara(chart, rec);
  for (auto _ : state) {
    rec.clear();
    chart.defaultpen();
    chart.repaint();
    benchmark::DoNotOptimize(rec.ops.data());
  }
}
BENCHMARK(BM_RepaintGravado);

#ifdef TARVINEL_HAS_PLATFORM

using tarvinel::bench::qt;

QImage imagem() {
  QImage img(1024, 768, QImage::Format_RGB32);
  img.setDotsPerMeterX(3780);  // 96 dpi
  img.setDotsPerMeterY(3780);
  return img;
}

void BM_RepaintQImage(benchmark::State& state) {
  qt();
  QImage img = imagem();
  tCHARTX chart;
  for (auto _ : state) {
    QPainter p(&img);
    tCANVASQT cv(p);
    prepara(chart, cv);
    chart.defaultpen();
    chart.repaint();
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_RepaintQImage)->Unit(benchmark::kMillisecond);

void BM_CurvaQImage(benchmark::State& state) {
  qt();
  QImage img = imagem();
  img.fill(Qt::white);
  QPainter p(&img);
  tCANVASQT cv(p);
  tCHARTX chart;
  prepara(chart, cv);
  chart.defaultpen();
  cv.setpenwidth(3);
  cv.setpencolor(clRed);
  for (auto _ : state) curva(chart);
}
BENCHMARK(BM_CurvaQImage)->Unit(benchmark::kMicrosecond);

#endif

}  // namespace
