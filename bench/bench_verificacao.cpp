// The checks of a chart: 20 coordination pairs (relays behind relays,
// curves, fuses with two links), 5 transformer ANSI points and an inrush
// point, all on one short-circuit range; the whole check as the window
// runs it after every Apply. Target: well under 5 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/prjcoord.h"
#include "core/coordination/verificacao.h"

using namespace tarvinel;

namespace {

std::unique_ptr<tPRJCOORD> coordenograma() {
  auto p = prjcoord_novo();
  p->ajustes.destroyitens();
  auto m = std::make_unique<tAJUSTE_MINMAX>();
  m->iccmax = 8000;
  p->ajustes.add(std::move(m));
  // A chain of relays, each behind the next one, then curves and fuses
  // behind the first relay: 20 pairs.
  tAJUSTE* anterior = nullptr;
  tAJUSTE* primeiro = nullptr;
  for (int i = 0; i < 13; ++i) {
    auto r = std::make_unique<tAJUSTE_RELIGA>();
    r->relf.cor_par = 400.0 / (i + 1);
    r->relf.cor_ins = 10 * r->relf.cor_par;
    r->relf.idef = 20 * r->relf.cor_par;
    r->relf.tdef = 0.5;
    r->reln.cor_par = 0.2 * r->relf.cor_par;
    tAJUSTE* a = p->ajustes.add(std::move(r));
    if (anterior != nullptr) anterior->ref = a->uid;
    if (primeiro == nullptr) primeiro = a;
    anterior = a;
  }
  for (int i = 0; i < 4; ++i) {
    auto c = std::make_unique<tAJUSTE_CURVA>();
    c->rel.cor_par = 20 + 10 * i;
    c->tipo = i % 2;
    c->ref = primeiro->uid;
    p->ajustes.add(std::move(c));
  }
  const char* elos[] = {"6K", "10K", "15K", "25K", "40K", "65K", "8K", "12K"};
  for (int i = 0; i < 4; ++i) {
    auto f = std::make_unique<tAJUSTE_FUSE>();
    f->fusetag = {elos[2 * i], elos[2 * i + 1], "Nenhum", "Nenhum"};
    f->ref = primeiro->uid;
    p->ajustes.add(std::move(f));
  }
  for (int i = 0; i < 5; ++i) {
    auto t = std::make_unique<tAJUSTE_TRAFO>();
    t->kva = 150 + 150 * i;
    t->ref = primeiro->uid;
    p->ajustes.add(std::move(t));
  }
  auto in = std::make_unique<tAJUSTE_INRUSH>();
  in->inrush = 300;
  in->inrusn = 100;
  in->ref = primeiro->uid;
  p->ajustes.add(std::move(in));
  return p;
}

void BM_VerificaCoordenograma(benchmark::State& state) {
  const auto p = coordenograma();
  std::size_t n = 0;
  for (auto _ : state) {
    const tRESULTADOVERIF r = verifica(*p, 10000);
    n = r.itens.size();
    benchmark::DoNotOptimize(n);
  }
  state.counters["verificacoes"] = static_cast<double>(n);
}
BENCHMARK(BM_VerificaCoordenograma)->Unit(benchmark::kMillisecond);

}  // namespace
