#include "core/coordination/ajuste_cabo.h"

#include <fmt/printf.h>

#include <cmath>

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_desenho.h"
#include "core/coordination/danos.h"
#include "core/foundation/numtxt.h"

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

const tNOMES& tAJUSTE_CABO::condutores() {
  static const tNOMES n{"Cobre", "Alumínio"};
  return n;
}

const tNOMES& tAJUSTE_CABO::isolacoes() {
  static const tNOMES n{"XLPE/EPR 90-250°C", "PVC 70-160°C"};
  return n;
}

std::string tAJUSTE_CABO::nomecalculado() const {
  // One decimal only when there is one: "35", "2.5".
  std::string s = fmt::sprintf("%.1f", secao);
  if (s.size() > 2 && s.substr(s.size() - 2) == ".0") s.resize(s.size() - 2);
  return s + "mm² " + (condutor == 1 ? "Al" : "Cu") + (isolacao == 1 ? " PVC" : " XLPE");
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
  tNOMES lista = nomes();
  lista.emplace_back(kCalculado);
  vl_picklist(vl, "Curva de danos [Cabo]", lista);
  if (cabletag == kCalculado) {
    vl.setnum("Seção [mm²]", secao, num2txt(secao));
    vl.setvalue("Condutor", condutores()[condutor == 1 ? 1 : 0]);
    vl_picklist(vl, "Condutor", condutores());
    vl.setvalue("Isolação", isolacoes()[isolacao == 1 ? 1 : 0]);
    vl_picklist(vl, "Isolação", isolacoes());
  }
  showtensao(vl);
}

void tAJUSTE_CABO::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  cabletag = vl_gettexto(vl, "Curva de danos [Cabo]", cabletag);
  // The file keeps one decimal: the section drawn is the one saved.
  secao = std::round(vl_getreal(vl, "Seção [mm²]", secao, 0.5, 10000) * 10) / 10;
  // A text that is no entry of the list keeps the value.
  if (vl.find("Condutor") != nullptr) {
    const std::string v = vl.value("Condutor");
    if (inlist(v, condutores())) condutor = v == condutores()[1] ? 1 : 0;
  }
  if (vl.find("Isolação") != nullptr) {
    const std::string v = vl.value("Isolação");
    if (inlist(v, isolacoes())) isolacao = v == isolacoes()[1] ? 1 : 0;
  }
  gettensao(vl);
}

void tAJUSTE_CABO::drawto(tCHARTX& chart) {
  if (cabletag == kCalculado) {
    drawcalculado(chart);
    return;
  }
  const tCABO* cabo = findcabo(cabletag);
  if (cabo == nullptr || chart.canvas == nullptr) return;
  chart.canvas->setpenwidth(chart.linhagrossa);
  chart.canvas->setpencolor(color);
  // The table gives the cable's own currents; the chart's are f times them.
  const double f = fator_corrente(*this, chart.tensao);
  bool primeiro = true;
  for (int i = 0; i < 50; ++i) {
    const double px = chart.window.xl + chart.window.width() * i / 50;
    const double cor = chart.px2rl(px, 1).x;
    const double t = cabo->k * std::pow(cor / f, cabo->n);
    // Time falls with current: once below 0.1 s it stays there.
    if (t < 0.1) break;
    if (t > 100) continue;
    if (primeiro) chart.moveto(cor, t);
    primeiro = false;
    chart.lineto(cor, t);
  }
  if (chart.showlegend)
    chart.textout(5000 * f, cabo->k * std::pow(5000.0, cabo->n),
                  "Cabo " + cabletag + sufixo_tensao(*this, chart.tensao), 1, true);
}

void tAJUSTE_CABO::drawcalculado(tCHARTX& chart) const {
  if (chart.canvas == nullptr) return;
  const tCURVA c = recorta(suportabilidade(*this, chart.tensao, chart.limites.yl), chart.limites);
  if (c.size() < 2) return;
  chart.canvas->setpenwidth(chart.linhagrossa);
  chart.canvas->setpencolor(color);
  desenha_curva(chart, c);
  if (!chart.showlegend) return;
  // Halfway along the part drawn, on the log axes.
  const tPOINTX a = c.front();
  const tPOINTX b = c.back();
  chart.textout(std::sqrt(a.x * b.x), std::sqrt(a.y * b.y),
                "Cabo " + nomecalculado() + sufixo_tensao(*this, chart.tensao), 1, true);
}

void tAJUSTE_CABO::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-cabo{");
  tAJUSTE::exportprop(arq);
  arq.adds("cabletag \"%s\"", cabletag);
  if (secao != 35) arq.adds("secao %.1f", secao);
  if (condutor != 0) arq.adds("condutor %d", condutor);
  if (isolacao != 0) arq.adds("isolacao %d", isolacao);
  exporttensao(arq);
  exportref(arq);
  arq.adds("}");
}

void tAJUSTE_CABO::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (arq.cmd == "cabletag")
      cabletag = arq.ps;
    else if (arq.cmd == "secao")
      secao = noeixo(arq.pf) ? arq.pf : secao;
    else if (arq.cmd == "condutor")
      condutor = arq.pi == 1 ? 1 : 0;
    else if (arq.cmd == "isolacao")
      isolacao = arq.pi == 1 ? 1 : 0;
    else if (!importtensao(arq))
      importref(arq);
  }
}

void tAJUSTE_CABO::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_CABO*>(&dest)) {
    d->cabletag = cabletag;
    d->secao = secao;
    d->condutor = condutor;
    d->isolacao = isolacao;
  }
}

std::string tAJUSTE_CABO::gethint(const std::string& prop) const {
  if (prop == "Curva de danos [Cabo]") return "Selecione um dos tipos dos cabos listados";
  if (prop == "Seção [mm²]") return "Seção do condutor em [mm²]";
  if (prop == "Condutor") return "Material do condutor";
  if (prop == "Isolação") return "Isolação e temperaturas inicial e final do curto-circuito";
  return tAJUSTE::gethint(prop);
}

}  // namespace tarvinel
