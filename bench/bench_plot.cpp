// Drawing protection functions: one sampled function (1000 samples of calc)
// and a whole chart of 20 relays (40 functions) at the 1024 x 768 size of the
// exported image, on the recording surface, without any surface (sampling
// alone) and, with the Qt layer, on a QImage through the QPainter surface.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/curves/freliga.h"

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

void prepara(tCHARTX& chart, tCANVAS* cv) {
  chart.canvas = cv;
  chart.setwh(1024, 768, 50);
  chart.limites = {1, 10000, 0.01, 100};
  chart.limpafundo = true;
  if (cv != nullptr) {
    cv->setfontname("Tahoma");
    cv->setfontsize(10);
  }
}

// A phase function with every element: inverse curve, minimum time, definite
// time and instantaneous.
tFRELIGA fase() {
  tFRELIGA f;
  f.reset();
  f.alias = "51";
  f.nom_cur = "IEC-VI";
  f.cor_par = 100;
  f.dt = 0.3;
  f.cor_ins = 3000;
  f.tmin = 0.05;
  f.idef = 1500;
  f.tdef = 0.2;
  f.ptxt = 20;
  return f;
}

// 20 relays, phase and neutral, over the catalogue's curves: closed forms,
// F6 tables and a definite-time-only neutral now and then.
std::vector<tFRELIGA> reles() {
  const std::vector<std::string>& nomes = curvenames();
  std::vector<tFRELIGA> r;
  for (int i = 0; i < 20; ++i) {
    tFRELIGA f = fase();
    f.nom_cur = nomes[(3 * i) % nomes.size()];
    f.cor_par = 20 + 25 * i;
    f.dt = 0.1 + 0.05 * (i % 8);
    f.cor_ins = i % 3 == 0 ? 0 : 20 * f.cor_par;
    f.idef = i % 4 == 0 ? 0 : 8 * f.cor_par;
    f.tdef = i % 4 == 0 ? 0 : 0.3;
    f.ptxt = 1 + i;
    r.push_back(f);
    tFRELIGA n = f;
    n.alias = "51N";
    n.nom_cur = i % 5 == 4 ? "OFF" : nomes[(3 * i + 7) % nomes.size()];
    n.cor_par = f.cor_par / 4;
    n.cor_ins = f.cor_ins / 4;
    n.idef = i % 5 == 4 ? 4 * n.cor_par : 0;
    n.tdef = i % 5 == 4 ? 0.5 : 0;
    r.push_back(n);
  }
  return r;
}

// As the coordination window draws a relay setting: phase thick and solid,
// neutral thin and dashed, each in its colour, with its legend.
void desenha_reles(tCHARTX& chart, const std::vector<tFRELIGA>& r) {
  for (size_t i = 0; i < r.size(); ++i) {
    chart.defaultpen();
    const bool neutro = i % 2 == 1;
    const tCOR c = static_cast<tCOR>(0x102030 * (i / 2 + 1)) & 0xFFFFFF;
    chart.canvas->setpenwidth(neutro ? chart.linhafina : chart.linhagrossa);
    chart.canvas->setpenstyle(neutro ? tPENSTYLE::dash : tPENSTYLE::solid);
    chart.canvas->setpencolor(c);
    chart.canvas->setfontcolor(c);
    r[i].drawto(chart, neutro ? "Neutro" : "Fase");
  }
}

// Sampling and mapping alone: the chart has no surface, so nothing is drawn.
void BM_FuncaoSemSuperficie(benchmark::State& state) {
  tCHARTX chart;
  prepara(chart, nullptr);
  const tFRELIGA f = fase();
  for (auto _ : state) benchmark::DoNotOptimize(f.plot(chart));
}
BENCHMARK(BM_FuncaoSemSuperficie)->Unit(benchmark::kMicrosecond);

void BM_FuncaoGravada(benchmark::State& state) {
  tCANVASREC rec(1024, 768);
  tCHARTX chart;
  prepara(chart, &rec);
  const tFRELIGA f = fase();
  for (auto _ : state) {
    rec.clear();
    f.drawto(chart, "Fase");
    benchmark::DoNotOptimize(rec.ops.data());
  }
}
BENCHMARK(BM_FuncaoGravada)->Unit(benchmark::kMicrosecond);

void BM_Grafico40FuncoesGravado(benchmark::State& state) {
  tCANVASREC rec(1024, 768);
  tCHARTX chart;
  prepara(chart, &rec);
  const std::vector<tFRELIGA> r = reles();
  for (auto _ : state) {
    rec.clear();
    chart.defaultpen();
    chart.repaint();
    desenha_reles(chart, r);
    benchmark::DoNotOptimize(rec.ops.data());
  }
}
BENCHMARK(BM_Grafico40FuncoesGravado)->Unit(benchmark::kMillisecond);

#ifdef TARVINEL_HAS_PLATFORM

using tarvinel::bench::qt;

QImage imagem() {
  QImage img(1024, 768, QImage::Format_RGB32);
  img.setDotsPerMeterX(3780);  // 96 dpi
  img.setDotsPerMeterY(3780);
  img.fill(Qt::white);
  return img;
}

// One phase function, thick and solid, with its legend.
void BM_FuncaoQImage(benchmark::State& state) {
  qt();
  QImage img = imagem();
  QPainter p(&img);
  tCANVASQT cv(p);
  tCHARTX chart;
  prepara(chart, &cv);
  chart.defaultpen();
  cv.setpenwidth(chart.linhagrossa);
  cv.setpencolor(clRed);
  const tFRELIGA f = fase();
  for (auto _ : state) f.drawto(chart, "Fase");
  p.end();
  benchmark::DoNotOptimize(img.constBits());
}
BENCHMARK(BM_FuncaoQImage)->Unit(benchmark::kMicrosecond);

// The whole picture, as the window paints or the image export draws it:
// background, grid, labels and title, then the 40 functions.
void BM_Grafico40FuncoesQImage(benchmark::State& state) {
  qt();
  QImage img = imagem();
  tCHARTX chart;
  const std::vector<tFRELIGA> r = reles();
  for (auto _ : state) {
    QPainter p(&img);
    tCANVASQT cv(p);
    prepara(chart, &cv);
    chart.defaultpen();
    chart.repaint();
    desenha_reles(chart, r);
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_Grafico40FuncoesQImage)->Unit(benchmark::kMillisecond);

#endif

}  // namespace
