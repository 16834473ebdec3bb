#pragma once
// The limits of the equipment the protection must spare, as curves in the
// chart's currents: the through-fault damage curves of a power transformer
// (IEEE C57.109) and the adiabatic short-circuit withstand of a cable
// (IEC 60949), plus the current factor of a setting given at another voltage
// than the chart's. The settings draw exactly these points, so whatever
// compares a protection with them compares it with what the chart shows.
//
// Every curve is a polyline of (current A, time s) in ascending current. All
// its pieces are straight lines on the log-log axes (table segments and
// I^2 t = constant), so the vertices describe the curve exactly: between two
// vertices the time follows log t linear in log I.

#include <string>
#include <vector>

#include "core/coordination/ajuste.h"
#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/prjcoord.h"
#include "core/foundation/tipos.h"

namespace tarvinel {

class tCHARTX;

using tCURVA = std::vector<tPOINTX>;

// The part of a curve inside the limits lim (amperes and seconds), cut where
// a piece crosses an edge; the pieces are straight on log-log axes, so the
// cut is exact. A curve that leaves and enters again keeps only its first
// part inside (these curves fall monotonically and cannot).
tCURVA recorta(const tCURVA& c, const tRECTX& lim);
// Draws recorta(c, chart.limites) as one polyline with the pen in force.
void desenha_curva(tCHARTX& chart, const tCURVA& c);

// ------------------------------------------------------------ transformer

// Category 1 to 4 (I to IV) of a three-phase transformer by its power:
// up to 500 kVA I, up to 5000 kVA II, up to 30000 kVA III, above IV.
int categoria_trafo(double kva);

// The curve in per unit of the rated current, for category 1 to 4, the
// effective fault frequency (`frequente` false: the thermal part alone),
// the transformer impedance zt and the source impedance zs in per unit on the
// transformer's base. Categories I and II ignore zs. Empty when the
// impedances give no curve (not positive, or a maximum current below 2 pu).
tCURVA dano_pu(int categoria, bool frequente, double zt, double zs);

struct tDANO_TRAFO {
  int categoria = 0;       // 1..4; 0: no curve chosen ("Ponto ANSI")
  bool frequente = false;  // the frequent-fault curve was drawn
  // Category III or IV without the chart's maximum short-circuit current:
  // drawn as infrequent faults without the source impedance.
  bool sem_fonte = false;
  tCURVA fase;
  tCURVA neutro;  // the phase curve with currents x 0.58
};

// The damage curves of a transformer point at the chart's voltage ten_nom
// (kV), with the chart's maximum short-circuit current iccmax (A; 0 = none)
// for the source impedance of categories III and IV. Empty curves for
// "Ponto ANSI" or values that give no curve.
tDANO_TRAFO dano_trafo(const tAJUSTE_TRAFO& t, double ten_nom, double iccmax);

// --------------------------------------------------------------- cable

// k of I = k S / sqrt(t), A s^1/2 / mm^2, from the adiabatic formula of the
// conductor (0 copper, 1 aluminium) and insulation (0 XLPE/EPR 90-250 C,
// 1 PVC 70-160 C, 70-140 C above 300 mm^2).
double k_cabo(int condutor, int isolacao, double secao);

// Times of the withstand curve: the lowest time tmin, every 1-2-5 time
// between, and 5 s; in the cable's currents times fator. Empty when secao,
// tmin or fator give no curve, or tmin is not below 5 s.
tCURVA suportabilidade_cabo(double secao, int condutor, int isolacao, double tmin, double fator);

// The withstand curve of a cable setting set to "Calculado" at the chart's
// voltage ten_nom, from tmin to 5 s; empty for a table cable.
tCURVA suportabilidade(const tAJUSTE_CABO& c, double ten_nom, double tmin);
// The cable's withstand time at the chart's current i (A), s, at any
// current: the table's K (i/f)^n, the calculated (k S f / i)^2; 0 for no
// cable ("nenhuma") or values that give none.
double tempo_cabo(const tAJUSTE_CABO& c, double ten_nom, double i);
// The time of curve c at current i, log t linear in log I between its
// vertices; 0 outside its currents.
double tempo_curva(const tCURVA& c, double i);

// ------------------------------------------------------------- voltage

// The factor of a setting's currents on a chart at ten_nom kV: its own
// voltage over the chart's, 1 when it has none (0) or the chart has none.
double fator_corrente(const tAJUSTE& a, double ten_nom);
// " @0.38 kV" after the legend of a setting whose factor is not 1; "".
std::string sufixo_tensao(const tAJUSTE& a, double ten_nom);
// True when a visible setting of the chart draws at its own voltage.
bool tem_tensao_propria(const tPRJCOORD& prj);
// The chart's maximum short-circuit current in its own currents: iccmax of
// the first short-circuit marker, times its current factor; 0 when none.
double iccmax_coord(const tPRJCOORD& prj);

}  // namespace tarvinel
