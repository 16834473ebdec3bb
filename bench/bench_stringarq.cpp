#include <benchmark/benchmark.h>
#include <fmt/format.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/foundation/arquivo.h"
#include "core/foundation/codec.h"
#include "core/foundation/stringarq.h"

using namespace tarvinel;

namespace {

// A document of about 100 000 lines shaped like a real chart: a project block
// holding many settings, each with a header block, key lines of every value
// form and a nested function block; captions with accented characters so the
// Windows-1252 path is exercised.
std::vector<std::string> makedocument(int targetlines) {
  tSTRINGARQ a;
  a.adds("projeto-coord{");
  a.adds("tensaon %.2f", 13.8);
  a.adds("titulo \"%s\"", "Subestação Abrigada 500 kVA – Proteção Geral");
  int item = 0;
  while (a.count() < targetlines - 1) {
    ++item;
    a.adds("ajuste-religa{");
    a.adds("header{");
    a.adds("caption \"%s\"", fmt::format("Relé geral nº {} (50/51 µ°)", item));
    a.adds("visible %d", 1);
    a.adds("color %d", 16711680 + item);
    a.adds("obs \"%s\"", "ação ção é ê");
    a.adds("}");
    a.adds("fase{");
    a.adds("alias \"%s\"", "IEC-NI");
    a.adds("nom_cur %.3f", 40.0 + item % 17);
    a.adds("dt %.3f", 0.15);
    a.adds("idef %.3f", 800.0);
    a.adds("tdef %.3f", 0.05);
    a.adds("}");
    a.adds("fusetag \"%s\" %d", "100K", 3);
    a.adds("pares %.2f %.2f", 1.25, 2.5);
    a.adds("}");
  }
  a.adds("}");
  return a.lines();
}

class tTEMPDOC {
 public:
  explicit tTEMPDOC(int lines) {
    path_ = (std::filesystem::temp_directory_path() /
             fmt::format("tarvinel-bench-{}.coord", static_cast<long>(::getpid())))
                .string();
    gravarlinhas(path_, makedocument(lines));
  }
  ~tTEMPDOC() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void BM_lerblocos(benchmark::State& state) {
  const tTEMPDOC doc(static_cast<int>(state.range(0)));
  long long keys = 0;
  for (auto _ : state) {
    tSTRINGARQ a;
    a.loadfromfile(doc.path());
    // A reader's pass: every line through next(), the deeper words of the key
    // lines that have them read as a reader would.
    while (a.linenumber < a.count()) {
      if (a.next()) {
        if (a.cmd == "fusetag") keys += static_cast<long long>(getwordf(a.line, 2));
        if (a.cmd == "pares") keys += static_cast<long long>(getwordf(a.line, 2));
        keys += a.pi;
      }
    }
    benchmark::DoNotOptimize(keys);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_lerblocos)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_gravarblocos(benchmark::State& state) {
  const std::vector<std::string> lines = makedocument(static_cast<int>(state.range(0)));
  const std::string path = (std::filesystem::temp_directory_path() /
                            fmt::format("tarvinel-bench-w-{}.coord", static_cast<long>(::getpid())))
                               .string();
  for (auto _ : state) gravarlinhas(path, lines);
  std::remove(path.c_str());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_gravarblocos)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_decodelines(benchmark::State& state) {
  const std::string bytes = encodelines(makedocument(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(decodelines(bytes));
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}
BENCHMARK(BM_decodelines)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
