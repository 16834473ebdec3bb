#pragma once
// The trip-time table of `tarvinel-cli trip`: reading its arguments and
// writing its lines. Kept in the engine so that it is tested without a
// process.

#include <string>
#include <vector>

#include "core/curves/freliga.h"

namespace tarvinel {

struct tTRIPCMD {
  tFRELIGA rel;            // nom_cur, cor_par, dt and cor_ins are set
  std::vector<double> ic;  // currents, A, in the order given
  bool lim = false;        // --inst given: currents above cor_ins give 0
  bool raw = false;        // full precision instead of the display form
  bool json = false;       // one JSON object instead of the lines
};

// Reads "CURVA PICKUP DIAL CORRENTE... [--inst A] [--raw] [--json]" (the words after
// "trip"; options may stand anywhere, numbers take "," or "."). Returns an
// empty text when the arguments are sound, otherwise the reason in Portuguese.
std::string trip_args(const std::vector<std::string>& args, tTRIPCMD& cmd);

// "current<TAB>time": num2txt of both, or "%.17g" of both when raw.
std::string trip_line(double ic, double t, bool raw);

// One line per current, each ended by "\n"; with json, trip_json.
std::string trip_text(const tTRIPCMD& cmd);

// {"curva", "partida", "dial", "instantanea" (null without --inst),
//  "pontos": [{"corrente", "tempo"}, ...]}, numbers at full precision.
std::string trip_json(const tTRIPCMD& cmd);

}  // namespace tarvinel
