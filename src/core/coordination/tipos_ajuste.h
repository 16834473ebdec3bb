#pragma once
// The kinds of setting a chart holds, described once: the opener of the kind's
// file block, the entry of the window's "+" menu and the factory. The file
// loader, the "+" menu and every other list of kinds read this table, so a new
// kind is one row here (and its class).

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/coordination/ajuste.h"

namespace tarvinel {

struct tTIPOAJUSTE {
  std::string_view bloco;              // opener of the file block, "ajuste-trafo{"
  std::string_view menu;               // entry of the "+" menu; empty: not offered there
  std::unique_ptr<tAJUSTE> (*cria)();  // a new setting with the kind's defaults
};

// Every kind, the "+" menu's entries in menu order.
std::span<const tTIPOAJUSTE> tipos_ajuste();

// The class factory of the file: a new setting, with its kind's defaults, for
// a block opener such as "ajuste-trafo{"; null for any other line.
std::unique_ptr<tAJUSTE> ajuste_por_bloco(const std::string& opener);
// The openers the factory knows.
std::span<const std::string_view> blocos_ajuste();

}  // namespace tarvinel
