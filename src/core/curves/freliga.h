#pragma once
// One protection function (an overcurrent element of a relay or recloser) and
// the 16-point time-current tables shared by the built-in F6 curves and the
// user's own curves.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/foundation/tipos.h"

namespace tarvinel {

class tCHARTX;

// 16-point table; points in increasing current. Times at dial `dt`, currents
// at pickup `ip`.
struct tUSERCURVE {
  std::string nom;
  std::array<double, 16> tim{};
  std::array<double, 16> amp{};
  double ip = 1;
  double dt = 1;
  bool adj = true;  // false: drawn exactly as stored, never scaled

  // Defaults of a new user curve.
  void init();
  // Table time for a multiple of pickup, before the caller's dial; 0 outside.
  double calc(double ic_ip) const;
};

// The program's one list of user curves (kept by the settings store). calc
// reads it at every call; the curve editor changes it in place.
std::vector<tUSERCURVE>& usercurves();
// A digest of every user curve (names, points, pickup, dial, adj): it
// changes when a curve is added, removed or edited, so what was computed
// from them can tell when it is out of date.
std::uint64_t usercurves_digest();

// Names of the built-in curves in the order calc tests them: the closed-form
// curves (IEC, IEEE, ANSI, ANSI90, RI, IT, I2T), then the 17 F6 tables. User
// curves are not in it, and neither are the definite-time-only names.
const std::vector<std::string>& curvenames();

// The equation calc evaluates for a built-in curve, read-only (the manual
// prints it). M is the multiple of pickup; the result is multiplied by the
// dial afterwards:
//   'I'  A / (M^p - 1)                              0 for M <= 1
//   'U'  A / (M^p - 1) + B                          0 for M <= 1
//   'P'  A + B/d + D/d^2 + E/d^3 with d = M - C     0 for M <= C
//   'R'  1 / (A - B/M)                              0 where A - B/M <= 0
//   'T'  A / M^p                                    0 for M < 1
//   'F'  the F6 table `tab`                         -1 outside it
struct tEQUACAO_CURVA {
  char forma = 0;
  double a = 0, b = 0, p = 0, c = 0, d = 0, e = 0;
  const tUSERCURVE* tab = nullptr;  // 'F' only
};
// Nothing for a name that is not built in (user curves, "OFF").
std::optional<tEQUACAO_CURVA> equacao_curva(std::string_view nome);

// The groups of the curve browser's tree, in order, each with its curve
// names ("IEC-EI" stands in both IEC groups; "OUTRAS" ends with "OFF"). The
// user curves follow in the browser under "CUSTOM", which is not listed here.
struct tGRUPO_CURVAS {
  std::string nome;
  std::vector<std::string> curvas;
};
const std::vector<tGRUPO_CURVAS>& curvegroups();

// "OFF" and "NC-OFF": a definite-time element alone, no curve.
bool definite_only(const std::string& nom);
// The first user curve of the name decides: a fixed one (adj false) is drawn
// through its stored points and returned here; an adjustable one is sampled
// like any other curve (nullptr), and so is a name no user curve bears.
const tUSERCURVE* fixed_usercurve(const std::string& nom);

// What a curve name stands for: a built-in curve's equation, else the first
// user curve of the name, else nothing (no time). Looked up once where one
// function is evaluated at many currents (a curve sampled across the chart);
// kept no longer than that, since the user curves may change.
struct tEQUACAO;
struct tCURVA_DE {
  const tEQUACAO* eq = nullptr;
  const tUSERCURVE* user = nullptr;
};
tCURVA_DE curva_de(const std::string& nom);

// A protection function, copied by value.
struct tFRELIGA {
  std::string alias;
  std::string nom_cur;
  double cor_par = 0;  // pickup, A
  double cor_ins = 0;  // instantaneous pickup, A; 0 = none
  double dt = 0;       // dial
  double idef = 0;     // definite-time pickup, A; 0 = none
  double tdef = 0;     // definite time, s; 0 = none
  double tmin = 0;     // minimum time, s
  double ptxt = 0;     // height of the legend, s

  // Trip time in seconds for the current ic. 0 = no operation; -1 only from
  // the F6 tables, outside their range. lim: currents above cor_ins give 0.
  double calc(double ic, bool lim) const;
  // The same with the curve of nom_cur already looked up.
  double calc(double ic, bool lim, const tCURVA_DE& curva) const;

  // The time the sampled characteristic gives at the current I: the curve
  // time (0 or above 90 s become 90 s, "does not operate"), raised to tmin,
  // cut at tdef above idef, tmin above the instantaneous pickup. -1 when the
  // curve has no time there (an F6 table outside its range). Neither the
  // definite-time-only names nor the fixed user curves are sampled: see
  // definite_only and fixed_usercurve.
  double tempocurva(double I) const;
  double tempocurva(double I, const tCURVA_DE& curva) const;

  // Drawing on the time-current chart. fator: the chart's current for one
  // ampere of this function (a function set at another voltage); every
  // current drawn, the legend's place included, is multiplied by it, while
  // the texts keep the function's own currents.
  tPOINTX plot(tCHARTX& chart, double fator = 1) const;
  void drawto(tCHARTX& chart, const std::string& caption, double fator = 1) const;
  void reset();
};

}  // namespace tarvinel
