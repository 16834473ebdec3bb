// One Apply of the calculation window: calcexec followed by reportexec, on the
// example project and on an installation of 200 transformers.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/calculation/calcexec.h"
#include "core/calculation/relatorio.h"

using namespace tarvinel;

namespace {

std::unique_ptr<tPRJCALC> projeto(int trafos) {
  auto p = std::make_unique<tPRJCALC>();
  if (trafos > 0) {
    p->trafos.destroyitens();
    static const double kva[] = {75, 112.5, 150, 225, 300, 500, 750, 1000, 1500, 2000};
    for (int i = 0; i < trafos; ++i)
      p->trafos.novotrafo()->init(kva[i % 10], 4 + (i % 5) * 0.5, 8, i % 4, i % 7 == 0);
  }
  return p;
}

void Apply(benchmark::State& st, int trafos) {
  auto p = projeto(trafos);
  tPRJCALCVAR c;
  std::size_t linhas = 0;
  for (auto _ : st) {
    calcexec(*p, c);
    tRELATORIO r;
    r.data = "01/01/24, 00:00";
    r.reportexec(*p, c);
    linhas = r.linhas.size();
    benchmark::DoNotOptimize(r.linhas.data());
  }
  st.counters["linhas"] = static_cast<double>(linhas);
}

void Calc(benchmark::State& st, int trafos) {
  auto p = projeto(trafos);
  tPRJCALCVAR c;
  for (auto _ : st) {
    calcexec(*p, c);
    benchmark::DoNotOptimize(c.inrush_fase);
  }
}

}  // namespace

BENCHMARK_CAPTURE(Apply, exemplo, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Apply, trafos_200, 200)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calc, exemplo, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calc, trafos_200, 200)->Unit(benchmark::kMicrosecond);
