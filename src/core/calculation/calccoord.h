#pragma once
// A coordination chart made from a calculation: the customer relay, the
// utility relay when it is included, the inrush marker, the transformers'
// fuse links when asked for, one ANSI point per transformer (with its damage
// curve, category by the power) and the short-circuit markers, in this order.

#include "core/calculation/calcexec.h"
#include "core/calculation/prjcalc.h"
#include "core/coordination/prjcoord.h"

namespace tarvinel {

// Empties the chart's settings and fills the chart from the calculation's
// present results (`calc` and the results the last run left in the project
// and its transformers).
//
// The customer relay of the calculation is made visible, green and named
// "cliente" before it is copied; those changes stay in the calculation. The
// fuse links go four to a fuse setting, one place per transformer in list
// order; a transformer of 0 kVA gets no ANSI point. The nominal current of
// the markers is the limiting power over sqrt(3) times the power factor and
// the voltage, and 0 (no mark) when those give no finite current.
//
// References: the customer relay's "Retaguarda" is the utility relay when
// that is included; every fuse setting's is the customer relay, which is
// also the "Proteção" of the inrush marker and of every ANSI point.
void coordenograma_calc(tPRJCALC& proj, const tPRJCALCVAR& calc, bool elos, tPRJCOORD& coord);

}  // namespace tarvinel
