#include "core/coordination/coordchart.h"

#include <fmt/printf.h>

#include "core/coordination/ajuste_texto.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/danos.h"
#include "core/coordination/referencia.h"
#include "core/coordination/verificacao.h"
#include "core/foundation/contato.h"
#include "core/foundation/estado.h"
#include "core/foundation/grade.h"

namespace tarvinel {

namespace {

// Clears the chart's surface pointer however the drawing ends: the surface
// (a painter on a widget, an image, a page) usually dies right after.
struct tSOLTACANVAS {
  tCHARTX& chart;
  ~tSOLTACANVAS() {
    chart.canvas = nullptr;
    chart.juntarotulos = false;
    chart.rotulofixo = false;
  }
};

// Rows the settings text leaves out: they say how the setting looks, not how
// the protection is set.
bool omitelinha(const tPROPROW& r) {
  if (r.section()) return true;
  if (r.key == "Visível" || r.key == "Cor" || r.key == "Nome") return true;
  if (r.key == "FASE.Texto Local Curva[s]" || r.key == "NEUT.Texto Local Curva[s]") return true;
  if (r.key == "Observações" && r.value.empty()) return true;
  // Rows of later features, left out at their defaults so the text of a
  // chart that does not use them stays as it was.
  static const std::pair<const char*, const char*> kPadroes[] = {
      {"Tensão do equipamento [kV]", "0.000"},
      {"Curva de dano", "Ponto ANSI"},
      {"Falhas frequentes", "Não"},
  };
  for (const auto& [chave, padrao] : kPadroes)
    if (r.key == chave && r.value == padrao) return true;
  return false;
}

}  // namespace

void drawcoord(tPRJCOORD& prj, tCHARTX& chart, tCANVAS& canvas, int w, int folga, int h,
               const tOPCOES_GRAF& opt, tAJUSTE_CURSOR* cursores, const tRESULTADOVERIF* verif) {
  tSOLTACANVAS solta{chart};

  chart.limites.xl = opt.lim_inf;
  chart.limites.xh = opt.lim_sup;
  chart.limites.yl = opt.tmp_inf;
  chart.limites.yh = opt.tmp_sup;
  chart.subrotulos = true;
  chart.recorte = true;
  chart.tra_cur = !opt.linha;
  chart.limpafundo = opt.limpafundo;
  chart.linhafina = opt.linhafina;
  chart.linhagrossa = opt.linhagrossa;
  chart.canvas = &canvas;
  chart.setwh(w, h, folga);
  canvas.setfontname("Tahoma");
  canvas.setfontsize(10);

  if (!printing) {
    chart.showlegend = opt.legenda;
    chart.show_fase = opt.fase;
    chart.show_neutro = opt.neutro;
  }

  chart.titulo = prj.titulo;
  chart.tensao = prj.ten_nom;
  // The reference of the currents, once some setting is drawn at its own.
  chart.titulo_cor.clear();
  if (tem_tensao_propria(prj))
    chart.titulo_cor = fmt::sprintf("Corrente [A] em %.2f kV", prj.ten_nom);
  const double iccmax = iccmax_coord(prj);
  chart.defaultpen();
  chart.repaint();

  const tRECTI jan = chart.window.asrect();
  canvas.setclip(jan.left, jan.top, jan.right, jan.bottom);
  chart.juntarotulos = true;
  int seq = 0;
  for (const auto& a : prj.ajustes) {
    a->seq = ++seq;
    if (!a->visible) continue;
    if (auto* trafo = dynamic_cast<tAJUSTE_TRAFO*>(a.get())) {
      trafo->tensao = prj.ten_nom;
      trafo->iccmax = iccmax;
    }
    chart.defaultpen();
    canvas.setfontcolor(a->color);
    chart.grupo = seq;
    // A text setting is where the user put it: the other labels keep clear.
    chart.rotulofixo = dynamic_cast<tAJUSTE_TEXTO*>(a.get()) != nullptr;
    a->drawto(chart);
  }
  chart.rotulofixo = false;
  chart.grupo = seq + 1;
  if (verif != nullptr)
    drawverif(chart, *verif);
  else
    drawverif(chart, verifica(prj, opt.lim_verif > 0 ? opt.lim_verif : opt.lim_sup));

  // The version and the maker's site run up the lower-left corner; the
  // labels of the settings keep clear of them.
  chart.defaultpen();
  canvas.setfontorientation(900);
  canvas.setfontcolor(clBlack);
  canvas.setbrushstyle(tBRUSHSTYLE::clear);
  chart.grupo = seq + 2;
  chart.rotulofixo = true;
  chart.textout(chart.limites.xl, chart.limites.yl, versionline, 100, true);
  chart.textout(chart.limites.xl, chart.limites.yl, site_contato, 101, true);
  chart.rotulofixo = false;
  chart.juntarotulos = false;
  chart.poerotulos();

  chart.defaultpen();
  if (opt.cursor && cursores != nullptr) {
    canvas.setclip(jan.left, jan.top, jan.right, jan.bottom);
    cursores->drawto(chart);
  }
  canvas.noclip();
}

std::string textoajustes(const tPRJCOORD& prj) {
  std::string s;
  int n = 0;
  for (const auto& a : prj.ajustes) {
    ++n;
    s += fmt::sprintf("%d) %s: %s\r\n", n, a->paramname, a->caption);
    tPROPGRID vl;
    a->showprop(vl);
    // The reference row only where there is one: charts without references
    // give the text they always gave.
    if (alvo_ref(prj.ajustes, *a) != nullptr) showref(vl, prj.ajustes, *a);
    for (int i = 0; i < vl.count(); ++i) {
      const tPROPROW& r = vl.row(i);
      if (omitelinha(r)) continue;
      s += "\t" + r.key + ": " + r.value + "\r\n";
    }
    s += "\r\n";
  }
  return s;
}

}  // namespace tarvinel
