#include "core/curves/tripcli.h"

#include <fmt/printf.h>

#include <cmath>
#include <limits>

#include "core/foundation/json.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

// txt2real with a NaN default tells an unreadable text from a number: the
// parser never yields NaN itself, and without bounds nothing is clipped.
bool numero(const std::string& s, double& v) {
  v = txt2real(s, std::numeric_limits<double>::quiet_NaN(), 0, 0);
  return !std::isnan(v);
}

}  // namespace

std::string trip_args(const std::vector<std::string>& args, tTRIPCMD& cmd) {
  cmd = tTRIPCMD{};
  std::vector<std::string> pos;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == "--raw") {
      cmd.raw = true;
    } else if (a == "--json") {
      cmd.json = true;
    } else if (a == "--inst") {
      if (k + 1 >= args.size()) return "falta o valor de --inst";
      double v;
      if (!numero(args[k + 1], v))
        return fmt::sprintf("valor inválido para --inst: %s", args[k + 1]);
      if (v < 0) return fmt::sprintf("corrente instantânea negativa: %s", args[k + 1]);
      cmd.rel.cor_ins = v;
      cmd.lim = true;
      ++k;
    } else if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
      return fmt::sprintf("opção desconhecida: %s", a);
    } else {
      pos.push_back(a);
    }
  }
  if (pos.size() < 4) return "faltam argumentos: CURVA PICKUP DIAL e ao menos uma CORRENTE";
  cmd.rel.nom_cur = pos[0];
  if (!numero(pos[1], cmd.rel.cor_par)) return fmt::sprintf("pickup inválido: %s", pos[1]);
  if (cmd.rel.cor_par < 0) return fmt::sprintf("pickup negativo: %s", pos[1]);
  if (!numero(pos[2], cmd.rel.dt)) return fmt::sprintf("dial inválido: %s", pos[2]);
  if (cmd.rel.dt < 0) return fmt::sprintf("dial negativo: %s", pos[2]);
  for (std::size_t k = 3; k < pos.size(); ++k) {
    double v;
    if (!numero(pos[k], v)) return fmt::sprintf("corrente inválida: %s", pos[k]);
    // The curves are defined for positive currents only.
    if (!(v > 0)) return fmt::sprintf("a corrente deve ser positiva: %s", pos[k]);
    cmd.ic.push_back(v);
  }
  return {};
}

std::string trip_line(double ic, double t, bool raw) {
  if (raw) return fmt::sprintf("%.17g\t%.17g", ic, t);
  return num2txt(ic) + "\t" + num2txt(t);
}

std::string trip_json(const tTRIPCMD& cmd) {
  tJSON j;
  j.objeto();
  j.campo("curva", cmd.rel.nom_cur).campo("partida", cmd.rel.cor_par).campo("dial", cmd.rel.dt);
  if (cmd.lim)
    j.campo("instantanea", cmd.rel.cor_ins);
  else
    j.chave("instantanea").nulo();
  j.chave("pontos").lista();
  for (double ic : cmd.ic) {
    j.objeto().campo("corrente", ic).campo("tempo", cmd.rel.calc(ic, cmd.lim)).fim();
  }
  j.fim().fim();
  return j.texto();
}

std::string trip_text(const tTRIPCMD& cmd) {
  if (cmd.json) return trip_json(cmd);
  std::string s;
  for (double ic : cmd.ic) {
    s += trip_line(ic, cmd.rel.calc(ic, cmd.lim), cmd.raw);
    s += '\n';
  }
  return s;
}

}  // namespace tarvinel
