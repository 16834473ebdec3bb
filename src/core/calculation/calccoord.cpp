#include "core/calculation/calccoord.h"

#include <cmath>
#include <memory>
#include <numbers>

#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_trafo.h"

namespace tarvinel {

void coordenograma_calc(tPRJCALC& proj, const tPRJCALCVAR& calc, bool elos, tPRJCOORD& coord) {
  coord.ajustes.destroyitens();
  coord.ten_nom = proj.tensaomt;
  coord.projetista = proj.projetista;
  coord.titulo = proj.empresa;

  proj.rele_cli->visible = true;
  proj.rele_cli->color = clGreen;
  proj.rele_cli->caption = "cliente";
  tAJUSTE* cliente = coord.ajustes.add(proj.rele_cli->copy());
  // The references of the chart: the utility relay behind the customer's,
  // the customer relay behind every fuse and protecting every transformer.
  cliente->ref = 0;
  if (proj.inc_rele_con) {
    tAJUSTE* con = coord.ajustes.add(proj.rele_con->copy());
    con->ref = 0;
    cliente->ref = con->uid;
  }

  auto inrush = std::make_unique<tAJUSTE_INRUSH>();
  inrush->ref = cliente->uid;
  inrush->inrush = calc.inrush_fase;
  inrush->inrusn = calc.inrush_neutro;
  coord.ajustes.add(std::move(inrush));

  if (elos) {
    tAJUSTE_FUSE* fuse = nullptr;
    int i = 0;
    for (const auto& t : proj.trafos) {
      if (i % 4 == 0) {
        fuse = static_cast<tAJUSTE_FUSE*>(coord.ajustes.add(std::make_unique<tAJUSTE_FUSE>()));
        fuse->ref = cliente->uid;
      }
      fuse->fusetag[static_cast<std::size_t>(i % 4)] = tAJUSTE_FUSE::getfuse(t->inom);
      ++i;
    }
  }

  for (const auto& t : proj.trafos) {
    if (t->kva == 0) continue;
    auto ansi = std::make_unique<tAJUSTE_TRAFO>();
    ansi->kva = t->kva;
    ansi->zp = t->zp;
    ansi->ref = cliente->uid;
    // The whole through-fault curve, its category by the power.
    ansi->dano = 1;
    coord.ajustes.add(std::move(ansi));
  }

  auto minmax = std::make_unique<tAJUSTE_MINMAX>();
  minmax->iccmin = proj.iccmin;
  minmax->iccmax = proj.iccmax;
  // A project read from a file may hold a zero voltage or power factor that
  // the calculation refused; the chart then gets no nominal mark rather than
  // an infinite one.
  const double inom = proj.lim_pot_get() / (std::numbers::sqrt3 * proj.fatorp * proj.tensaomt);
  minmax->inom = std::isfinite(inom) ? inom : 0;
  coord.ajustes.add(std::move(minmax));
}

}  // namespace tarvinel
