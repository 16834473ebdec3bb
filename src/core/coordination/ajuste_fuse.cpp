#include "core/coordination/ajuste_fuse.h"

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_desenho.h"
#include "core/coordination/danos.h"
#include "core/curves/elofusivel.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

// Grid keys of the four places; every key holds "ELO", which is how the
// window knows to open the fuse-link chooser on its button.
const char* const kChaves[4] = {"1° ELO", "2° ELO", "3° ELO", "4° ELO"};

struct tELO_K {
  double amp;
  const char* nome;
};

// K-link ratings, ascending.
constexpr tELO_K kElosK[] = {{6, "6K"},   {8, "8K"},   {10, "10K"},  {12, "12K"}, {15, "15K"},
                             {20, "20K"}, {25, "25K"}, {30, "30K"},  {40, "40K"}, {50, "50K"},
                             {65, "65K"}, {80, "80K"}, {100, "100K"}};

}  // namespace

tAJUSTE_FUSE::tAJUSTE_FUSE() : tAJUSTE("tAJUSTE_FUSE") {
  caption = "Principal";
  paramname = "Elo fisível tipo K";
  color = clBlack;
}

std::unique_ptr<tAJUSTE> tAJUSTE_FUSE::create() const {
  return std::make_unique<tAJUSTE_FUSE>();
}

std::string tAJUSTE_FUSE::getfuse(double amp) {
  for (const auto& e : kElosK)
    if (e.amp > amp) return e.nome;
  return "100K";
}

void tAJUSTE_FUSE::showelo(tPROPGRID& vl, const std::string& key, const std::string& name) {
  vl.setvalue(key, name);
  vl.setbutton(key);
}

void tAJUSTE_FUSE::showprop(tPROPGRID& vl) {
  tAJUSTE::showprop(vl);
  for (std::size_t i = 0; i < fusetag.size(); ++i) showelo(vl, kChaves[i], fusetag[i]);
  showtensao(vl);
}

void tAJUSTE_FUSE::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  for (std::size_t i = 0; i < fusetag.size(); ++i)
    fusetag[i] = vl_gettexto(vl, kChaves[i], fusetag[i]);
  gettensao(vl);
}

void tAJUSTE_FUSE::drawto(tCHARTX& chart) {
  for (const auto& nome : fusetag) drawelo(chart, nome);
}

void tAJUSTE_FUSE::drawelo(tCHARTX& chart, const std::string& name) const {
  if (name == "Nenhum") return;
  tCANVAS* cv = chart.canvas;
  if (cv == nullptr) return;
  const tELO_LISTA& cat = elolista();
  // The catalogue gives the link's own currents; the chart's are f times them.
  const double f = fator_corrente(*this, chart.tensao);

  if (const tELO_CURVA* c = cat.find(name)) {
    cv->setpenwidth(chart.linhafina);
    cv->setpenstyle(tPENSTYLE::solid);
    cv->setpencolor(color);
    for (const auto& p : c->pontos()) chart.pushline(p.cor * f, p.tem);
    chart.flushline();
    // A curve that never falls below 0.2 s has no legend point; its label
    // would otherwise land on the pixel origin.
    const double cor = c->get_cor(0.2) * f;
    if (chart.showlegend && noeixo(cor))
      chart.textout(cor, 0.2, "ELO " + name + sufixo_tensao(*this, chart.tensao), 1, true);
  }

  if (const tELO_CURVA* c = cat.find(name + "-max")) {
    cv->setpenwidth(chart.linhafina);
    cv->setpenstyle(tPENSTYLE::dashdot);
    cv->setpencolor(color);
    for (const auto& p : c->pontos()) chart.pushline(p.cor * f, p.tem);
    chart.flushline();
  }
}

void tAJUSTE_FUSE::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-fusek{");
  tAJUSTE::exportprop(arq);
  for (std::size_t i = 0; i < fusetag.size(); ++i)
    arq.adds("fusetag \"%s\" %d", fusetag[i], static_cast<int>(i));
  exportref(arq);
  exporttensao(arq);
  arq.adds("}");
}

void tAJUSTE_FUSE::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    if (arq.line == "header{") {
      tAJUSTE::importprop(arq);
    } else if (importref(arq)) {
      continue;
    } else if (arq.cmd == "fusetag") {
      // A line without a place fills place 0; a place outside 0..3 is clipped.
      const int i = txt2int(getword(arq.line, 2), 0, 0, 3);
      fusetag[static_cast<std::size_t>(i)] = arq.ps;
    } else {
      importtensao(arq);
    }
  }
}

void tAJUSTE_FUSE::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_FUSE*>(&dest)) d->fusetag = fusetag;
}

}  // namespace tarvinel
