// The coordination window's chart and its printed job.
//
// The repaint is what the chart surface of the window does on every paint
// event: a raster painter over its 1600 x 1000 pixels, the white ground, and
// drawcoord with the page "Gráfico"'s options, the cursors and the checks
// the window keeps between repaints (they are made on every change of the
// document, not while the view moves; BM_VerificaCoordenograma measures
// them). It runs on a
// QImage because widgets need a QApplication, and the other benchmarks of
// this program keep a QGuiApplication for the whole run; the widget's
// backing store is a raster image too, so the work is the same.
//
// Targets: the example chart under 5 ms, a chart with 100 relay settings
// under 16 ms (one frame at 60 Hz, so zoom and pan keep up), the example
// printed to a PDF under 1 s.
#ifdef TARVINEL_HAS_PLATFORM
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "bench_qt.h"
#include "core/chart/canvas_rec.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/coordchart.h"
#include "core/coordination/prjcoord.h"
#include "core/coordination/verificacao.h"
#include "platform/canvas_qt.h"
#include "platform/coordimpressao.h"

using namespace tarvinel;

namespace {

using tarvinel::bench::qt;

// The example chart with `reles` relay settings more, each one a little to
// the right of the last, so their curves cover the chart. With `retaguarda`
// each relay has the one before it as its "Retaguarda", so the chart's
// checks have a pair for every relay.
std::unique_ptr<tPRJCOORD> projeto(int reles, bool retaguarda = false) {
  auto p = prjcoord_novo();
  const tAJUSTE* anterior = nullptr;
  for (int i = 0; i < reles; ++i) {
    auto r = std::make_unique<tAJUSTE_RELIGA>();
    r->relf.cor_par = 5 + 10 * i;
    r->relf.cor_ins = 20 * r->relf.cor_par;
    r->reln.cor_par = 1 + 2 * i;
    r->color = (i * 0x1F3D5B) & 0xFFFFFF;
    if (retaguarda && anterior != nullptr) r->ref = anterior->uid;
    anterior = r.get();
    p->ajustes.add(std::move(r));
  }
  return p;
}

// pan: the view moves a few pixels to the right at every repaint, as while
// the user drags the chart, so nothing of one drawing's mapping is reused.
void repaint(benchmark::State& state, int reles, bool retaguarda = false, bool pan = false) {
  qt();
  auto p = projeto(reles, retaguarda);
  QImage img(1600, 1000, QImage::Format_RGB32);
  img.setDotsPerMeterX(3780);  // 96 dpi, a screen
  img.setDotsPerMeterY(3780);
  tCHARTX chart;
  tAJUSTE_CURSOR cursores;
  tOPCOES_GRAF opt;  // the page "Gráfico" of a new window
  opt.lim_verif = opt.lim_sup;
  const tRESULTADOVERIF verif = verifica(*p, opt.lim_verif);
  int passo = 0;
  for (auto _ : state) {
    if (pan) {
      // 1 A - 10 kA is four decades over about 1475 pixels.
      const double k = std::pow(10.0, 4.0 * 3 * (passo++ % 200) / 1475);
      opt.lim_inf = 1 * k;
      opt.lim_sup = 10000 * k;
    }
    QPainter painter(&img);
    painter.fillRect(img.rect(), Qt::white);
    tCANVASQT cv(painter, img.width(), img.height());
    drawcoord(*p, chart, cv, img.width(), 50, img.height(), opt, &cursores, &verif);
    painter.end();
    benchmark::DoNotOptimize(img.constBits());
  }
  state.counters["ajustes"] = p->ajustes.count();
}

// The same drawing on the recording surface: the curves sampled and mapped,
// the labels placed, nothing painted. The difference to the repaint above is
// what the painter costs.
void BM_CoordTela100RelesSemPintura(benchmark::State& state) {
  auto p = projeto(100);
  tCHARTX chart;
  tAJUSTE_CURSOR cursores;
  tOPCOES_GRAF opt;
  for (auto _ : state) {
    tCANVASREC rec(1600, 1000);
    drawcoord(*p, chart, rec, 1600, 50, 1000, opt, &cursores);
    benchmark::DoNotOptimize(rec.ops.data());
  }
}
BENCHMARK(BM_CoordTela100RelesSemPintura)->Unit(benchmark::kMillisecond);

void BM_CoordTelaExemplo(benchmark::State& state) {
  repaint(state, 0);
}
BENCHMARK(BM_CoordTelaExemplo)->Unit(benchmark::kMillisecond);

void BM_CoordTela100Reles(benchmark::State& state) {
  repaint(state, 100);
}
BENCHMARK(BM_CoordTela100Reles)->Unit(benchmark::kMillisecond);

// The same chart dragged: a new view at every repaint.
void BM_CoordTela100RelesArrastando(benchmark::State& state) {
  repaint(state, 100, false, true);
}
BENCHMARK(BM_CoordTela100RelesArrastando)->Unit(benchmark::kMillisecond);

// Every relay backed up by the one before it: 198 checks, a failure marked
// for every pair whose margin is short.
void BM_CoordTela100RelesComRetaguarda(benchmark::State& state) {
  repaint(state, 100, true);
}
BENCHMARK(BM_CoordTela100RelesComRetaguarda)->Unit(benchmark::kMillisecond);

// The whole print job of the example (chart page and summary page, A4 at
// 600 dpi) made and written as a PDF file.
void BM_CoordImprimePdf(benchmark::State& state) {
  qt();
  auto p = prjcoord_novo();
  const std::string arq = QDir::temp().filePath(QStringLiteral("bench_coordui.pdf")).toStdString();
  for (auto _ : state)
    benchmark::DoNotOptimize(imprimepdf(arq, *p, tOPCOES_GRAF{}, false, nullptr));
  std::remove(arq.c_str());
}
BENCHMARK(BM_CoordImprimePdf)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
