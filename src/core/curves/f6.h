#pragma once
// The built-in point tables of the COOPER-F6 recloser curves.

#include <array>

#include "core/curves/freliga.h"

namespace tarvinel {

// The 17 tables in catalogue order. Each `nom` holds the bare number ("112");
// the catalogue name is "F6-" followed by it. Drawn for ip = 100 A and dial 1,
// never adjustable, never stored with the user curves.
const std::array<tUSERCURVE, 17>& f6tables();

}  // namespace tarvinel
