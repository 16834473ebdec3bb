#pragma once
// The property grids of the calculation window as plain models: the general
// grid (utility, customer, current transformer and setting data) and the grid
// of one transformer. Filling writes every row in its fixed order (the first
// time a row is written it is created in that order, later fills replace the
// values); reading takes the rows back into the project, where unreadable
// numbers keep the field's value and numbers out of range are brought to the
// nearest bound. The relays have grids of their own (tAJUSTE_RELIGA).
//
// Section rows are keys beginning with a blank, as in every property grid of
// the program.

#include <string>

#include "core/calculation/prjcalc.h"
#include "core/calculation/trafo.h"
#include "core/foundation/grade.h"

namespace tarvinel {

// The general grid. inc_rele_con has a check box of its own and is neither
// shown nor read here.
void showprop_calc(const tPRJCALC& p, tPROPGRID& vl);
void getprop_calc(tPRJCALC& p, const tPROPGRID& vl);

// The transformer grid. Reading leaves the connection unchanged for a name
// that is none of the four, and gives the low voltage 380 V when its text is
// not a number.
void showprop_trafo(const tTRAFO& t, tPROPGRID& vl);
void getprop_trafo(tTRAFO& t, const tPROPGRID& vl);

// The fixed hint of a row of the general grid; empty for rows without one.
std::string gethint_calc(const std::string& key);

// The text of a transformer's entry in the window's list: "%d) Trafo %d kVA"
// with the position counted from 1 and the power truncated to an integer.
std::string nome_trafo(int posicao, const tTRAFO& t);

}  // namespace tarvinel
