#include "core/coordination/ajuste_cabo.h"

#include <cmath>

#include "core/chart/chartx.h"

namespace tarvinel {

const std::array<tCABO, 23>& tAJUSTE_CABO::kcable() {
  // One cable per line, in table order: name, K, n.
  // clang-format off
  static const std::array<tCABO, 23> tabela{{
      {"nenhuma", 10, 1},
      {"4CA", 6810000, -1.995},
      {"2CA", 13980000, -1.968},
      {"1/0CA", 41480000, -1.99},
      {"2/0CA", 61390000, -1.98},
      {"4/0CA", 155800000, -1.984},
      {"336CA", 178500000, -1.914},
      {"4CAA", 6304000, -1.95},
      {"2CAA", 18970000, -1.967},
      {"1/0CAA", 60910000, -1.987},
      {"2/0CAA", 83460000, -1.966},
      {"4/0CAA", 179900000, -1.962},
      {"336CAA", 341100000, -1.93},
      {"6CU", 15260000, -2.003},
      {"4CU", 37180000, -2.018},
      {"2CU", 134900000, -2.023},
      {"1/0CU", 220300000, -1.985},
      {"2/0CU", 478300000, -2.008},
      {"50 comp", 22090000, -2},
      {"70 comp", 43300000, -2},
      {"150 comp", 198800000, -2},
      {"185 comp", 302400000, -2},
      {"240 comp", 509000000, -2},
  }};
  // clang-format on
  return tabela;
}

const tCABO* tAJUSTE_CABO::findcabo(const std::string& nome) {
  const auto& tab = kcable();
  // Row 0 is "no cable".
  for (std::size_t i = 1; i < tab.size(); ++i)
    if (nome == tab[i].nome) return &tab[i];
  return nullptr;
}

const tNOMES& tAJUSTE_CABO::nomes() {
  static const tNOMES lista = [] {
    tNOMES n;
    for (const auto& c : kcable()) n.emplace_back(c.nome);
    return n;
  }();
  return lista;
}

tAJUSTE_CABO::tAJUSTE_CABO() : tAJUSTE("tAJUSTE_CABO") {
  caption = "Distribuição";
  paramname = "Curva de danos em cabo";
  color = clGray;
}

std::unique_ptr<tAJUSTE> tAJUSTE_CABO::create() const {
  return std::make_unique<tAJUSTE_CABO>();
}

void tAJUSTE_CABO::showprop(tPROPGRID& vl) {
  tAJUSTE::showprop(vl);
  vl.setvalue("Curva de danos [Cabo]", cabletag);
  vl_picklist(vl, "Curva de danos [Cabo]", nomes());
}

void tAJUSTE_CABO::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  cabletag = vl_gettexto(vl, "Curva de danos [Cabo]", cabletag);
}

void tAJUSTE_CABO::drawto(tCHARTX& chart) {
  const tCABO* cabo = findcabo(cabletag);
  if (cabo == nullptr || chart.canvas == nullptr) return;
  chart.canvas->setpenwidth(chart.linhagrossa);
  chart.canvas->setpencolor(color);
  bool primeiro = true;
  for (int i = 0; i < 50; ++i) {
    const double px = chart.window.xl + chart.window.width() * i / 50;
    const double cor = chart.px2rl(px, 1).x;
    const double t = cabo->k * std::pow(cor, cabo->n);
    // Time falls with current: once below 0.1 s it stays there.
    if (t < 0.1) break;
    if (t > 100) continue;
    if (primeiro) chart.moveto(cor, t);
    primeiro = false;
    chart.lineto(cor, t);
  }
  if (chart.showlegend)
    chart.textout(5000, cabo->k * std::pow(5000.0, cabo->n), "Cabo " + cabletag, 1, true);
}

void tAJUSTE_CABO::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-cabo{");
  tAJUSTE::exportprop(arq);
  arq.adds("cabletag \"%s\"", cabletag);
  arq.adds("}");
}

void tAJUSTE_CABO::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (arq.cmd == "cabletag")
      cabletag = arq.ps;
  }
}

void tAJUSTE_CABO::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_CABO*>(&dest)) d->cabletag = cabletag;
}

std::string tAJUSTE_CABO::gethint(const std::string& prop) const {
  if (prop == "Curva de danos [Cabo]") return "Selecione um dos tipos dos cabos listados";
  return tAJUSTE::gethint(prop);
}

}  // namespace tarvinel
