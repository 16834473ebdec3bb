#pragma once
// The results of a calculation as one JSON object, for scripts
// (`tarvinel-cli report --json`). Keys are Portuguese without accents;
// currents in A referred to medium voltage, times in s, voltages in V unless
// the key says otherwise; numbers at full precision. The keys are listed in
// the manual's chapter on tarvinel-cli.

#include <string>
#include <vector>

#include "core/calculation/calcexec.h"
#include "core/calculation/prjcalc.h"

namespace tarvinel {

// `proj` and `calc` as calcexec left them; `avisos` the warnings of the run,
// in the order they came.
std::string calcjson(const tPRJCALC& proj, const tPRJCALCVAR& calc,
                     const std::vector<std::string>& avisos);

}  // namespace tarvinel
