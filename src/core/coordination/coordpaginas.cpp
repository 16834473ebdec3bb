#include "core/coordination/coordpaginas.h"

#include <fmt/printf.h>

#include <algorithm>
#include <ctime>

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/verificacao.h"
#include "core/foundation/contato.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

constexpr const char* kFORMATOLINHA = "%-20s%-12s%-12s%-12s%-12s";
// 68 columns: the widest line that fits the summary page in portrait.
constexpr const char* kFORMATOVERIF = "%-12s%-9s%-7s%-7s%9s%10s%9s  %s";

void linhasverif(const tPRJCOORD& prj, double lim_sup, std::vector<tLINHARESUMO>& l) {
  const tRESULTADOVERIF r = verifica(prj, lim_sup);
  if (r.itens.empty()) return;
  l.push_back({" "});
  l.push_back({"Verificação da coordenação (" + resumo_verif(r) + ")"});
  l.push_back({fmt::sprintf(kFORMATOVERIF, "Verificação", "Item", "Ref.", "Função", "Corr.[A]",
                            "Margem[s]", "Exig.[s]", "Res.")});
  for (const tVERIFICACAO& v : r.itens)
    l.push_back({fmt::sprintf(kFORMATOVERIF, nome_verif(v.tipo), numero_item(v.item, v.elo),
                              numero_item(v.referencia, v.elo_ref), nome_funcao(v),
                              fmt::sprintf("%.1f", v.corrente), fmt::sprintf("%.3f", v.margem),
                              fmt::sprintf("%.3f", v.exigido), nome_resultado(v)),
                 v.ok ? clBlack : clRed});
}

std::string linharele(const std::string& nome, const tFRELIGA& f) {
  return fmt::sprintf(kFORMATOLINHA, nome, num2txt(f.cor_par), num2txt(f.cor_ins), num2txt(f.dt),
                      f.nom_cur);
}

}  // namespace

std::string datahoje() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return fmt::sprintf("%02d/%02d/%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100);
}

std::vector<tLINHARESUMO> linhasresumo(const tPRJCOORD& prj, const std::string& data,
                                       double lim_sup) {
  std::vector<tLINHARESUMO> l;
  l.push_back({""});
  l.push_back({fmt::sprintf("Responável: %s", prj.projetista)});
  l.push_back({fmt::sprintf("Subestação: %s", prj.subestacao)});
  l.push_back({fmt::sprintf("Alimentador: %s", prj.alimentador)});
  l.push_back({fmt::sprintf("Data: %s", data)});
  l.push_back({" "});
  l.push_back({"Resumo dos ajustes dos religadores"});
  l.push_back(
      {fmt::sprintf(kFORMATOLINHA, "Religador", "Partida[A]", "Inst[A]", "DialTime", "Curva")});
  int n = 0;
  for (const auto& a : prj.ajustes) {
    ++n;  // every kind counts, so the number is the relay's place in the item list
    const auto* r = dynamic_cast<const tAJUSTE_RELIGA*>(a.get());
    if (r == nullptr) continue;
    l.push_back({fmt::sprintf("%d-%s: %s", n, r->caption, r->modelo), r->color});
    l.push_back({linharele("  ...Fase", r->relf), r->color});
    l.push_back({linharele("  ...Neutro", r->reln), r->color});
  }
  l.push_back({" "});
  l.push_back({fmt::sprintf("Software: %s/%s", versionline, email_contato)});
  linhasverif(prj, lim_sup, l);
  return l;
}

int desenharesumo(tCANVAS& canvas, const std::vector<tLINHARESUMO>& linhas,
                  const std::function<void()>& novapagina) {
  const int x = fonte_pagina_texto(canvas);
  const int h = std::max(1, canvas.textheight("A"));
  const int topo = 2 * h;
  int y = topo;
  int paginas = 1;
  for (const tLINHARESUMO& l : linhas) {
    // A chart with many relays does not end at the page's edge: its rows go
    // on on the next page instead of being cut off unseen.
    if (y + h > canvas.height() && y > topo) {
      novapagina();
      ++paginas;
      y = topo;
    }
    canvas.setfontcolor(l.cor);
    canvas.textout(x, y, l.texto);
    y += h;
  }
  return paginas;
}

int compoecoord(tPAGINAS& pag, tPRJCOORD& prj, const tOPCOES_GRAF& opt, bool separar,
                tAJUSTE_CURSOR* cursores, const std::string& data) {
  tPRINTSCOPE imprimindo;
  tCHARTX chart;
  tCANVAS& canvas = pag.canvas();
  const int w = canvas.width();
  const int h = canvas.height();
  const int folga = static_cast<int>(w * 0.05);

  // Paper: the background is left as it is and the lines are those of the
  // print layout. With `printing` set, drawcoord keeps the three display
  // switches set here instead of the window's check boxes.
  tOPCOES_GRAF papel = opt;
  papel.limpafundo = false;
  papel.linhafina = kLINHAFINA_PAPEL;
  papel.linhagrossa = kLINHAGROSSA_PAPEL;
  chart.showlegend = true;
  chart.show_fase = true;
  chart.show_neutro = !separar;

  int paginas = 1;
  drawcoord(prj, chart, canvas, w, folga, h, papel, cursores);
  pag.novapagina();
  ++paginas;
  if (separar) {
    chart.show_fase = false;
    chart.show_neutro = true;
    drawcoord(prj, chart, canvas, w, folga, h, papel, cursores);
    pag.novapagina();
    ++paginas;
  }
  paginas +=
      desenharesumo(canvas, linhasresumo(prj, data, opt.lim_sup), [&pag] { pag.novapagina(); }) - 1;
  return paginas;
}

}  // namespace tarvinel
