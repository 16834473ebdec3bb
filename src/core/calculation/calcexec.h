#pragma once
// The relay-setting calculation: short-circuit currents at the delivery point,
// the customer's medium-voltage bus and every transformer's low-voltage bus,
// then rated currents, the current transformer, the inrush by four methods,
// the customer relay's four currents and the ANSI points, in one pass.
//
// A run is all or nothing. The input is checked first (validar); the whole
// run is then computed on copies and checked for undefined values; only a
// sound run writes its results into the project, its transformers, the
// customer relay and the result record. A refused run throws tERROCALC and
// leaves all of them exactly as they were.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/calculation/prjcalc.h"
#include "core/foundation/tipos.h"

namespace tarvinel {

// Intermediate results of one run; every run overwrites all of it.
struct tPRJCALCVAR {
  double zb_at = 0;  // base impedance at medium voltage, ohm
  double ib_at = 0;  // base current at medium voltage, A
  tCPLX z1c;         // entry cable, pu
  tCPLX z0c;
  tCPLX zfltpu;   // 3·Rf, pu
  tCPLX z1_prim;  // network + cable to the customer bus, pu
  tCPLX zt_prim;  // 2·Z1 + Z0 to the customer bus, pu
  tCPLX z0r;      // network, rectangular, pu
  tCPLX z1r;
  double rtc_ind = 0;       // current transformer: demand criterion, A
  double rtc_inc = 0;       // installed-load criterion, A
  double rtc_ins = 0;       // load criterion with the service factor, A
  double rtc_inm = 0;       // short-circuit criterion, A
  int rtc_ino = 0;          // primary current, A (ratio rtc_ino/5)
  double rtc_ise = 0;       // secondary current at the sizing fault current, A
  int rtc_vse = 0;          // saturation voltage class, V
  float rtc_va_cal = 0;     // burden power at 5 A, VA
  float rtc_va_sel = 0;     // standard burden power chosen, VA
  std::string rtc_nom;      // ANSI designation
  std::string rtc_nom_nbr;  // NBR-6856/2015 designation
  double inrush_fase = 0;
  double inrush_neutro = 0;
  double inrush_real = 0;
  double inrush_parcial = 0;
  double inrush_total = 0;
  double inrush_energisa = 0;
  // Warnings of the run for the message log, each a line starting with "#",
  // in the order they were found; empty for a study without any.
  std::vector<std::string> avisos;
};

// A refused calculation: what() is every reason, one per line; motivos()
// the same reasons one by one.
class tERROCALC : public std::runtime_error {
 public:
  explicit tERROCALC(std::vector<std::string> motivos);
  const std::vector<std::string>& motivos() const { return motivos_; }

 private:
  std::vector<std::string> motivos_;
};

// The input that would make the calculation divide by zero or read a value
// that means nothing (no transformer, a voltage, base power, power factor,
// transformer power, impedance or low voltage of zero or less, an unknown
// connection, no inrush at all, the utility currents the "Automatico" form
// derives its impedances from). One Portuguese message per offending field;
// empty when the project can be calculated.
std::vector<std::string> validar(const tPRJCALC& proj);

// The plausibility message of the network impedance; it breaks its line with
// a carriage return.
extern const char* const MSG_RELACAO_ICC3F;

using tAVISO = std::function<void(const std::string&)>;

// Runs the whole calculation. `aviso` receives the plausibility message (at
// most once, after the run is known to be sound). The warnings about the
// customer relay, the current transformer and the parallel transformers are
// kept in calc.avisos and written to the message log (xprint), one line each.
// Throws tERROCALC.
void calcexec(tPRJCALC& proj, tPRJCALCVAR& calc, const tAVISO& aviso = {});

// What one calculation run tells the user, as data.
struct tRESULTADO_CALC {
  // A refused run: every reason, one per line (tERROCALC::what()); the
  // project and its results are then as they were. Empty for a sound run.
  std::string recusa;
  // A sound run: the plausibility message (MSG_RELACAO_ICC3F, its lines
  // broken by "\n"), empty when it is not due, told before the warnings.
  std::string plausibilidade;
  // A sound run: the warnings for the message log (calc.avisos), each a line
  // starting with "#".
  std::vector<std::string> avisos;
  bool ok() const { return recusa.empty(); }
};

// The calculation as the calculation window's Apply and tarvinel-cli run it:
// calcexec with its refusal caught and nothing written to the message log;
// the caller tells the user what the result holds.
tRESULTADO_CALC prjcalc_calcula(tPRJCALC& proj, tPRJCALCVAR& calc);

// The warnings a calculated project gives (calc.avisos of calcexec): the
// relay's definite currents above the instantaneous; the phase instantaneous
// at or below a transformer's asymmetrical three-phase low-side fault current
// referred to medium voltage, or above the three-phase current of the
// customer's medium-voltage bus; the phase pickup at or above that bus's
// phase-to-ground current, the neutral pickup at or above its current through
// the fault resistance; the current transformer capped at 600/5 below its
// load criterion; parallel transformers of different low voltages or
// connections.
std::vector<std::string> avisos_calculo(const tPRJCALC& proj, const tPRJCALCVAR& calc);

// Under/over-voltage (27/59) pickup in volts: pct % of kv kV, truncated to an
// integer. A product within a few units in the last place of an integer is
// that integer, so 92 % of 13.2 kV gives 12144 V (binary arithmetic leaves
// 12143.99...).
long long tensao_funcao(int pct, double kv);

// Current-transformer tables: the first entry not below the value, the last
// one when the value exceeds them all.
int rtc_ino_get(int amp);
float rtc_va_get(float va);
int rtc_vse_get(int volts);

}  // namespace tarvinel
