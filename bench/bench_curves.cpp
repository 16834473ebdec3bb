// Trip time per call: a chart repaint evaluates every visible protection
// function at 1000 currents.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/curves/freliga.h"

using namespace tarvinel;

namespace {

// 1000 currents spread evenly in logarithm from 0.5 to 200 times the pickup,
// as the samples of a chart column sweep.
std::vector<double> correntes(double pickup) {
  std::vector<double> v(1000);
  for (int k = 0; k < 1000; ++k) v[k] = pickup * 0.5 * std::pow(400.0, k / 999.0);
  return v;
}

void instala_curva_usuario() {
  auto& lista = usercurves();
  for (const tUSERCURVE& u : lista)
    if (u.nom == "BENCH") return;
  // A few curves in front, so the name search does not stop at the first.
  for (int k = 0; k < 3; ++k) {
    tUSERCURVE u;
    u.init();
    u.nom = "outra " + std::to_string(k);
    lista.push_back(u);
  }
  tUSERCURVE u;
  u.init();
  u.nom = "BENCH";
  u.ip = 2;
  lista.push_back(u);
}

void BM_calc(benchmark::State& state, const char* nome) {
  instala_curva_usuario();
  tFRELIGA rel;
  rel.nom_cur = nome;
  rel.cor_par = 100;
  rel.dt = 0.5;
  const std::vector<double> ic = correntes(rel.cor_par);
  for (auto _ : state) {
    for (double i : ic) benchmark::DoNotOptimize(rel.calc(i, false));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(ic.size()));
  state.counters["ns_por_calc"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * ic.size(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(BM_calc, IEC_NI, "IEC-NI");
BENCHMARK_CAPTURE(BM_calc, IEEE_VI, "IEEE-VI");
BENCHMARK_CAPTURE(BM_calc, ANSI90_NI, "ANSI90-NI");
BENCHMARK_CAPTURE(BM_calc, F6_133, "F6-133");
BENCHMARK_CAPTURE(BM_calc, curva_usuario, "BENCH");
BENCHMARK_CAPTURE(BM_calc, nome_desconhecido, "NC-OFF");
