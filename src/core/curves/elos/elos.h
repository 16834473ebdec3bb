#pragma once
// Point tables of the fuse-link catalogue, one function per catalogue group.
// Each returns the group's curves in catalogue order; elolista() copies them
// into the catalogue once, so the tables themselves are temporaries.

#include <string>
#include <vector>

#include "core/curves/elofusivel.h"

namespace tarvinel::elos {

struct tELO_DADO {
  std::string elo;
  std::vector<tELO_PONTO> pts;  // slowest point first
};

std::vector<tELO_DADO> tipo_h();
std::vector<tELO_DADO> tipo_k_grupo_a();
std::vector<tELO_DADO> tipo_k_grupo_b();
std::vector<tELO_DADO> tipo_t_grupo_a();
std::vector<tELO_DADO> tipo_t_grupo_b();
std::vector<tELO_DADO> tipo_hh_grupo_a();
std::vector<tELO_DADO> tipo_hh_grupo_b();

}  // namespace tarvinel::elos
