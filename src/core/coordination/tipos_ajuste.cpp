#include "core/coordination/tipos_ajuste.h"

#include <array>
#include <iterator>

#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/ajuste_trafo.h"

namespace tarvinel {

namespace {

template <class T>
std::unique_ptr<tAJUSTE> cria() {
  return std::make_unique<T>();
}

constexpr tTIPOAJUSTE kTIPOS[] = {
    {"ajuste-religador{", "Ajuste Rele/Religador", cria<tAJUSTE_RELIGA>},
    {"ajuste-cabo{", "Curva de dano em cabo", cria<tAJUSTE_CABO>},
    {"ajuste-iccminmax{", "ICC min/max/nom", cria<tAJUSTE_MINMAX>},
    {"ajuste-trafo{", "Ponto ANSI", cria<tAJUSTE_TRAFO>},
    {"ajuste-inrush{", "Corrente InRush", cria<tAJUSTE_INRUSH>},
    {"ajuste-fusek{", "Elo fusível", cria<tAJUSTE_FUSE>},
    {"ajuste-curva{", "Curva de proteção", cria<tAJUSTE_CURVA>},
    {"ajuste-texto{", "Texto/Simbolo", cria<tAJUSTE_TEXTO>},
    // Read from older files and dropped (obsolete), never offered.
    {"ajuste-defit{", "", cria<tAJUSTE_DEFIT>},
};

}  // namespace

std::span<const tTIPOAJUSTE> tipos_ajuste() {
  return kTIPOS;
}

std::span<const std::string_view> blocos_ajuste() {
  static const auto nomes = [] {
    std::array<std::string_view, std::size(kTIPOS)> n{};
    for (std::size_t i = 0; i < n.size(); ++i) n[i] = kTIPOS[i].bloco;
    return n;
  }();
  return nomes;
}

std::unique_ptr<tAJUSTE> ajuste_por_bloco(const std::string& opener) {
  for (const tTIPOAJUSTE& t : kTIPOS)
    if (opener == t.bloco) return t.cria();
  return nullptr;
}

}  // namespace tarvinel
