#include "core/coordination/prjcoord.h"

#include <fmt/printf.h>

#include <algorithm>
#include <utility>

#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/referencia.h"
#include "core/coordination/tipos_ajuste.h"

namespace tarvinel {

tPRJCOORD::tPRJCOORD() {
  // Order matters: the first relay made after a counter reset is the
  // utility's, the second the customer's.
  ajustes.add(std::make_unique<tAJUSTE_RELIGA>());
  ajustes.add(std::make_unique<tAJUSTE_RELIGA>());
  ajustes.add(std::make_unique<tAJUSTE_MINMAX>());
  ajustes.add(std::make_unique<tAJUSTE_TRAFO>());
  ajustes.add(std::make_unique<tAJUSTE_INRUSH>());
  ajustes.add(std::make_unique<tAJUSTE_FUSE>());
  ajustes.add(std::make_unique<tAJUSTE_CABO>());
}

void tPRJCOORD::saveblock(tSTRINGARQ& arq) const {
  arq.adds("projeto-coord{");
  arq.adds("tensaon %.2f", ten_nom);
  arq.adds("sub \"%s\"", subestacao);
  arq.adds("alim \"%s\"", alimentador);
  arq.adds("proj \"%s\"", projetista);
  arq.adds("titulo \"%s\"", titulo);
  // Compared as written, so a value read from a file that rounds to the
  // default is not written either.
  if (fmt::sprintf("%.3f", cti) != fmt::sprintf("%.3f", kCTI)) arq.adds("cti %.3f", cti);
  if (fmt::sprintf("%.3f", cti_elo) != fmt::sprintf("%.3f", kCTI_ELO))
    arq.adds("cti_elo %.3f", cti_elo);
  numera_refs(ajustes);
  for (const auto& a : ajustes) a->exportprop(arq);
  for (const auto& a : ajustes) a->refnum = 0;
  arq.adds("}");
}

void tPRJCOORD::loadblock(tSTRINGARQ& arq) {
  while (arq.next(blocos_ajuste())) {
    if (arq.cmd == "tensaon") ten_nom = arq.pf;
    if (arq.cmd == "sub") subestacao = arq.ps;
    if (arq.cmd == "alim") alimentador = arq.ps;
    if (arq.cmd == "proj") projetista = arq.ps;
    if (arq.cmd == "titulo") titulo = arq.ps;
    // A margin is a time: a negative one or an absurd one is clipped.
    if (arq.cmd == "cti") cti = std::clamp(arq.pf, 0.0, kCTI_MAX);
    if (arq.cmd == "cti_elo") cti_elo = std::clamp(arq.pf, 0.0, kCTI_MAX);
    std::unique_ptr<tAJUSTE> a = ajuste_por_bloco(arq.line);
    if (!a) continue;
    // The block is read either way, so that its keys never leak into the
    // project's; an obsolete kind is then dropped.
    tAJUSTE* lido = a.get();
    if (!a->obsolete) ajustes.add(std::move(a));
    lido->importprop(arq);
  }
}

void tPRJCOORD::savetofile(const std::string& filename) {
  if (filename.empty()) return;
  tSTRINGARQ arq;
  saveblock(arq);
  arq.savetofile(filename);
}

void tPRJCOORD::loadfromfile(const std::string& filename) {
  tSTRINGARQ arq;
  // Read first: a file that cannot be read, or is no chart, must not cost the
  // user the chart on the screen.
  arq.loadfromfile(filename);
  bool vazio = false;
  arq.lerdocumento("projeto-coord{", "um coordenograma", [&] {
    if (!vazio) ajustes.destroyitens();
    vazio = true;
    loadblock(arq);
  });
  resolve_refs(ajustes);
}

std::unique_ptr<tPRJCOORD> prjcoord_novo() {
  religacount_reset();
  return std::make_unique<tPRJCOORD>();
}

std::unique_ptr<tPRJCOORD> prjcoord_abre(const std::string& filename) {
  auto prj = prjcoord_novo();
  prj->loadfromfile(filename);
  return prj;
}

}  // namespace tarvinel
