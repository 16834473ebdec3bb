// Coordination charts: saving and opening a .coord file of 10 000 settings
// (every kind in turn), and drawing the example chart whole, on the
// recording surface and, with the Qt layer, on the 1024 x 768 picture of the
// image export.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/coordchart.h"
#include "core/coordination/prjcoord.h"

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

constexpr int kAJUSTES = 10000;

std::unique_ptr<tAJUSTE> ajuste(int i) {
  switch (i % 9) {
    case 0:
      return std::make_unique<tAJUSTE_RELIGA>();
    case 1:
      return std::make_unique<tAJUSTE_CURVA>();
    case 2:
      return std::make_unique<tAJUSTE_MINMAX>();
    case 3:
      return std::make_unique<tAJUSTE_DEFIT>();
    case 4:
      return std::make_unique<tAJUSTE_TRAFO>();
    case 5:
      return std::make_unique<tAJUSTE_INRUSH>();
    case 6:
      return std::make_unique<tAJUSTE_FUSE>();
    case 7:
      return std::make_unique<tAJUSTE_CABO>();
    default:
      return std::make_unique<tAJUSTE_TEXTO>();
  }
}

std::unique_ptr<tPRJCOORD> grande() {
  auto p = prjcoord_novo();
  p->ajustes.destroyitens();
  for (int i = 0; i < kAJUSTES; ++i) {
    auto a = ajuste(i);
    a->caption = "Ajuste " + std::to_string(i);
    p->ajustes.add(std::move(a));
  }
  return p;
}

std::string caminho(const char* nome) {
  return "/tmp/tarvinel_bench_" + std::to_string(::getpid()) + "_" + nome + ".coord";
}

// Atomic save, the disk's flush included.
void BM_SalvaCoord10000(benchmark::State& state) {
  auto p = grande();
  const std::string path = caminho("salva");
  for (auto _ : state) p->savetofile(path);
  std::remove(path.c_str());
  state.counters["ajustes"] = kAJUSTES;
}
BENCHMARK(BM_SalvaCoord10000)->Unit(benchmark::kMillisecond);

// Opening as the program opens it: a new chart, then the file.
void BM_AbreCoord10000(benchmark::State& state) {
  const std::string path = caminho("abre");
  grande()->savetofile(path);
  for (auto _ : state) {
    auto p = prjcoord_abre(path);
    benchmark::DoNotOptimize(p->ajustes.count());
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_AbreCoord10000)->Unit(benchmark::kMillisecond);

void BM_DesenhaExemploGravado(benchmark::State& state) {
  auto p = prjcoord_novo();
  tCANVASREC rec(1024, 768);
  tCHARTX chart;
  for (auto _ : state) {
    rec.clear();
    drawcoord(*p, chart, rec, 1024, 50, 768, tOPCOES_GRAF{});
    benchmark::DoNotOptimize(rec.ops.data());
  }
}
BENCHMARK(BM_DesenhaExemploGravado)->Unit(benchmark::kMicrosecond);

#ifdef TARVINEL_HAS_PLATFORM

using tarvinel::bench::qt;

// The chart of the image export: the example on 1024 x 768 with the screen's
// settings (cleared background, 1 and 3 pixel lines).
void BM_DesenhaExemploQImage(benchmark::State& state) {
  qt();
  auto p = prjcoord_novo();
  QImage img(1024, 768, QImage::Format_RGB32);
  img.setDotsPerMeterX(3780);  // 96 dpi
  img.setDotsPerMeterY(3780);
  tCHARTX chart;
  for (auto _ : state) {
    QPainter painter(&img);
    tCANVASQT cv(painter);
    drawcoord(*p, chart, cv, 1024, 50, 768, tOPCOES_GRAF{});
    painter.end();
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_DesenhaExemploQImage)->Unit(benchmark::kMillisecond);

#endif

}  // namespace
