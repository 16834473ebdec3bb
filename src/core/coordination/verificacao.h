#pragma once
// The chart checks itself: coordination margins between each protection and
// the one behind it ("Retaguarda"), the transformer's ANSI point and its
// inrush against the transformer's protection ("Proteção"). One engine for
// the window, the printed summary and tarvinel-cli; results are plain
// records, texts are made from them by the callers through the functions
// below.

#include <string>
#include <vector>

#include "core/coordination/prjcoord.h"
#include "core/curves/elofusivel.h"
#include "core/curves/freliga.h"

namespace tarvinel {

class tCHARTX;

// A time this long or longer: the device does not operate.
inline constexpr double kSEMATUACAO = 90;
// The time an inrush current must ride through, s.
inline constexpr double kTEMPO_INRUSH = 0.1;
// Samples per decade of current of a coordination check.
inline constexpr int kAMOSTRAS_DECADA = 200;

// Operating time of a protection function at current i, as its drawn
// characteristic gives it: "OFF"/"NC-OFF" operate in tdef at and above idef;
// a fixed user curve by log-log interpolation of its points (its last
// point's time above them); every other curve as it is sampled for drawing
// (tFRELIGA::tempocurva). kSEMATUACAO when it does not operate.
double tempo_funcao(const tFRELIGA& f, double i);
// The lowest current at which the function operates: its pickup, idef for
// "OFF"/"NC-OFF", the first point of a fixed user curve; 0 when none.
double corrente_minima(const tFRELIGA& f);
// Time of a fuse-link curve at current i by log-log interpolation of its
// points; kSEMATUACAO below its first point, its last point's time above
// the last.
double tempo_elo(const tELO_CURVA& c, double i);
// The current of the curve's first point; 0 for a curve without points.
double corrente_minima(const tELO_CURVA& c);

// One device of a check: a protection function or one fuse-link curve, set
// at a voltage whose currents are `fator` times the chart's. Currents in and
// out are the chart's.
struct tDISPOSITIVO {
  const tFRELIGA* funcao = nullptr;
  const tELO_CURVA* elo = nullptr;
  double fator = 1;
  double tempo(double i) const;
  double minima() const;
  // The highest current the device's data covers: a fuse link's last point
  // (the catalogue gives no time beyond it); infinity for a function.
  double maxima() const;
};

enum class tTIPOVERIF { coordenacao, ansi, inrush, dano, cabo };

// One check and its result. Items are 1-based list numbers; `elo` and
// `elo_ref` name the fuse link when the item or its reference is a fuse.
struct tVERIFICACAO {
  tTIPOVERIF tipo = tTIPOVERIF::coordenacao;
  int item = 0;  // the downstream device; the transformer or inrush point
  std::string elo;
  int referencia = 0;  // the upstream device; the protection
  std::string elo_ref;
  bool neutro = false;  // function "neutro", else "fase"
  double corrente = 0;  // A, where the margin is smallest (the point's current)
  double margem = 0;    // s
  double exigido = 0;   // s
  bool ok = false;
  // The two times at `corrente`: the device's (the downstream device, the
  // protection) and the other one's (the upstream device, the ANSI point's
  // time, 0.1 s); the chart marks a failure between them.
  double tempo = 0;
  double tempo_ref = 0;
};

struct tRESULTADOVERIF {
  std::vector<tVERIFICACAO> itens;
  // What could not be checked (a pair that never operates together, a
  // transformer without a point), for the message log.
  std::vector<std::string> avisos;
  int falhas() const;
};

// Every check of the chart, in list order of the checked items. The current
// range of a coordination check ends at iccmax of the chart's first
// short-circuit marker, or at lim_sup when the chart has none, and never
// goes beyond the last point of a fuse link of the pair. A transformer point
// with a damage curve is also checked against it ("dano": the protection
// must operate before the curve from 1.05 x its lowest operating current,
// or the curve's first current when higher, to the curve's last current),
// a cable against its withstand ("cabo": from 1.05 x the protection's
// lowest operating current to the end of the range above). Every current is
// the chart's: a setting at its own voltage takes part with its currents
// times its factor.
tRESULTADOVERIF verifica(const tPRJCOORD& prj, double lim_sup);

// Texts of a result: the kind ("coordenação", "ANSI", "inrush", "dano",
// "cabo"), the
// function ("fase", "neutro"), an item as "7" or "7:25K", an item as the
// item list names it ("7) Principal 25K"), the verdict ("OK", "FALHA").
std::string nome_verif(tTIPOVERIF t);
std::string nome_funcao(const tVERIFICACAO& v);
std::string numero_item(int item, const std::string& elo);
std::string nome_item(const tPRJCOORD& prj, int item, const std::string& elo);
std::string nome_resultado(const tVERIFICACAO& v);
// "3 verificações, 1 falha".
std::string resumo_verif(const tRESULTADOVERIF& r);
// A failing check as a message-log warning, "#" first.
std::string linha_falha(const tPRJCOORD& prj, const tVERIFICACAO& v);

// The worst point of every failing check, marked on the chart: a red line
// between the two times at its current and the margin beside it. Phase
// checks only with show_fase, neutral ones only with show_neutro.
void drawverif(tCHARTX& chart, const tRESULTADOVERIF& r);

// The time read-out at current i: for every visible relay and curve
// function (as show_fase/show_neutro allow) and every fuse-link curve, one
// line "N) caption FASE: 0.452 s" ("não atua" when it does not operate).
std::vector<std::string> leituras(const tPRJCOORD& prj, double i, bool fase, bool neutro);

}  // namespace tarvinel
