#include "core/curves/elofusivel.h"

#include <stdexcept>

#include "core/curves/elos/elos.h"

namespace tarvinel {

void tELO_CURVA::add_ref(double cor, double tem) {
  pts_.push_back({cor, tem});
}

double tELO_CURVA::get_cor(double tem) const {
  for (const auto& p : pts_) {
    if (p.tem < tem) return p.cor;
  }
  return 0;
}

tELO_CURVA& tELO_LISTA::add_new() {
  auto c = std::make_unique<tELO_CURVA>();
  c->grp = grp;
  curvas_.push_back(std::move(c));
  return *curvas_.back();
}

const tELO_CURVA* tELO_LISTA::find(std::string_view elo) const {
  for (const auto& c : curvas_) {
    if (c->elo == elo) return c.get();
  }
  return nullptr;
}

const tELO_CURVA& tELO_LISTA::at(std::size_t i) const {
  if (i >= curvas_.size()) throw std::out_of_range("elo fusível fora do catálogo");
  return *curvas_[i];
}

std::vector<std::string> tELO_LISTA::grupos() const {
  std::vector<std::string> g;
  for (const auto& c : curvas_) {
    bool visto = false;
    for (const auto& x : g) visto = visto || x == c->grp;
    if (!visto) g.push_back(c->grp);
  }
  return g;
}

namespace {

struct tGRUPO {
  const char* nome;
  std::vector<elos::tELO_DADO> (*tabela)();  // nullptr: the "Nenhum" entry
};

// Catalogue order: the chooser shows groups and links exactly in this order.
const tGRUPO grupos_catalogo[] = {
    {"Nenhum", nullptr},
    {"Tipo H", elos::tipo_h},
    {"Tipo K, grupo A", elos::tipo_k_grupo_a},
    {"Tipo K, grupo B", elos::tipo_k_grupo_b},
    {"Tipo T, grupo A", elos::tipo_t_grupo_a},
    {"Tipo T, grupo B", elos::tipo_t_grupo_b},
    {"Tipo HH, grupo A", elos::tipo_hh_grupo_a},
    {"Tipo HH, grupo B", elos::tipo_hh_grupo_b},
};

tELO_LISTA constroi_catalogo() {
  tELO_LISTA lista;
  for (const auto& g : grupos_catalogo) {
    lista.grp = g.nome;
    if (g.tabela == nullptr) {
      // One empty curve, still named "null", so the chooser offers "no link".
      lista.add_new();
      continue;
    }
    for (const auto& d : g.tabela()) {
      auto& c = lista.add_new();
      c.elo = d.elo;
      for (const auto& p : d.pts) c.add_ref(p.cor, p.tem);
    }
  }
  return lista;
}

}  // namespace

const tELO_LISTA& elolista() {
  static const tELO_LISTA lista = constroi_catalogo();
  return lista;
}

}  // namespace tarvinel
