// Commands over the curve catalogue: the list of curves and trip times.

#include "cli/comandos.h"
#include "core/curves/freliga.h"
#include "core/curves/tripcli.h"

namespace tarvinel::cli {

int cmd_curves(const tARGS& args) {
  if (!args.empty()) return erro_uso("curves", "argumento inesperado: " + args[0]);
  std::string s;
  for (const std::string& n : curvenames()) s += n + "\n";
  for (const tUSERCURVE& u : usercurves()) s += u.nom + "\n";
  return escreve(s) ? SAIDA_OK : erro("não foi possível escrever a saída");
}

int cmd_trip(const tARGS& args) {
  tTRIPCMD cmd;
  const std::string msg = trip_args(args, cmd);
  if (!msg.empty()) return erro_uso("trip", msg);
  return escreve(trip_text(cmd)) ? SAIDA_OK : erro("não foi possível escrever a saída");
}

}  // namespace tarvinel::cli
