// Commands over calculation documents (.ajuste): the report, the conversion
// (read and write again), a new example document and the coordination chart
// made from a calculation. A file is read the way the calculation window opens
// it: the example transformers are dropped, the file's are read, and the
// project is calculated.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/comandos.h"
#include "core/calculation/calccoord.h"
#include "core/calculation/calcexec.h"
#include "core/calculation/calcjson.h"
#include "core/calculation/relatorio.h"
#include "core/coordination/prjcoord.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"

namespace tarvinel::cli {

namespace {

bool termina_com(const std::string& s, const std::string& fim) {
  if (s.size() < fim.size()) return false;
  std::string t = s.substr(s.size() - fim.size());
  for (char& c : t)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return t == fim;
}

bool e_ajuste(const std::string& arq) {
  return termina_com(arq, ".ajuste");
}

bool e_coord(const std::string& arq) {
  return termina_com(arq, ".coord");
}

// The warnings of the last calculation, for --json; each also goes to
// standard error as every warning of the run does.
std::vector<std::string> avisos;

void avisa(std::string msg) {
  aviso(msg);
  for (char& c : msg)
    if (c == '\r') c = '\n';
  if (!msg.empty() && msg.front() == '#') msg.erase(0, 1);
  avisos.push_back(msg);
}

// The example of a new calculation, or the file read into it.
void abre(tPRJCALC& p, const std::string& arq) {
  if (arq.empty()) return;
  p.trafos.destroyitens();
  p.loadfromfile(arq);
}

// Calculates as Apply does; warnings go to stderr (the message log goes
// there too, main). False (with the reasons on stderr) when the project is
// refused.
bool calcula(tPRJCALC& p, tPRJCALCVAR& c) {
  avisos.clear();
  // Collected for --json while the calculation runs; main's sink afterwards.
  set_sink(avisa);
  bool ok = true;
  try {
    calcexec(p, c, avisa);
  } catch (const tERROCALC& e) {
    erro("cálculo recusado:\n" + std::string(e.what()));
    ok = false;
  }
  set_sink(aviso);
  return ok;
}

int convert_ajuste(const std::string& in, const std::string& out) {
  tPRJCALC p;
  tPRJCALCVAR c;
  abre(p, in);
  if (!calcula(p, c)) return SAIDA_ERRO;
  p.savetofile(out);
  return SAIDA_OK;
}

}  // namespace

bool relatorio_ajuste(const std::string& arq, tRELATORIO& r) {
  tPRJCALC p;
  tPRJCALCVAR c;
  abre(p, arq);
  if (!calcula(p, c)) return false;
  r.reportexec(p, c);
  return true;
}

int cmd_report(const tARGS& args) {
  std::string arq, saida;
  tRELOPC opc;
  bool json = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o") {
      if (i + 1 >= args.size()) return erro_uso("report", "falta o arquivo depois de -o");
      saida = args[++i];
    } else if (a == "--json") {
      json = true;
    } else if (a == "--sem-resumo") {
      opc.principal = false;
    } else if (a == "--sem-memorial") {
      opc.memorial = false;
    } else if (a == "--sem-celesc") {
      opc.celesc = false;
    } else if (!a.empty() && a[0] == '-') {
      return erro_uso("report", "opção desconhecida: " + a);
    } else if (!arq.empty()) {
      return erro_uso("report", "argumento inesperado: " + a);
    } else {
      arq = a;
    }
  }
  tPRJCALC p;
  tPRJCALCVAR c;
  abre(p, arq);
  if (!calcula(p, c)) return SAIDA_ERRO;
  std::string texto;
  if (json) {
    texto = calcjson(p, c, avisos);
  } else {
    tRELATORIO r;
    r.reportexec(p, c, opc);
    texto = r.texto();
  }
  if (saida.empty()) return escreve(texto) ? SAIDA_OK : erro("não foi possível escrever a saída");
  gravartexto(saida, texto);
  return SAIDA_OK;
}

int cmd_convert(const tARGS& args) {
  if (args.size() != 2) return erro_uso("convert", "informe o arquivo de entrada e o de saída");
  if (e_coord(args[0])) return convert_coord(args[0], args[1]);
  if (!e_ajuste(args[0]) || !e_ajuste(args[1]))
    return erro_uso("convert", "tipo de documento desconhecido (use .coord ou .ajuste): " +
                                   (e_ajuste(args[0]) ? args[1] : args[0]));
  return convert_ajuste(args[0], args[1]);
}

int cmd_new(const tARGS& args) {
  if (args.size() != 3 || args[1] != "-o")
    return erro_uso("new", "informe o tipo do documento e -o ARQUIVO");
  if (args[0] == "coord") return new_coord(args[2]);
  if (args[0] != "ajuste") return erro_uso("new", "tipo de documento desconhecido: " + args[0]);
  // As a new calculation window holds it after its first Apply.
  return convert_ajuste("", args[2]);
}

int cmd_coordcalc(const tARGS& args) {
  std::string arq, saida;
  bool elos = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o") {
      if (i + 1 >= args.size()) return erro_uso("coord", "falta o arquivo depois de -o");
      saida = args[++i];
    } else if (a == "--elos") {
      elos = true;
    } else if (!a.empty() && a[0] == '-') {
      return erro_uso("coord", "opção desconhecida: " + a);
    } else if (!arq.empty()) {
      return erro_uso("coord", "argumento inesperado: " + a);
    } else {
      arq = a;
    }
  }
  if (arq.empty()) return erro_uso("coord", "informe o arquivo do cálculo (.ajuste)");
  if (!e_ajuste(arq))
    return erro_uso("coord", "o coordenograma é criado de um cálculo (.ajuste): " + arq);
  if (saida.empty()) return erro_uso("coord", "informe o coordenograma de saída com -o");
  if (!e_coord(saida))
    return erro_uso("coord", "um coordenograma só é gravado como .coord: " + saida);
  tPRJCALC p;
  tPRJCALCVAR c;
  abre(p, arq);
  if (!calcula(p, c)) return SAIDA_ERRO;
  // As "Criar coordenograma" of the calculation window: a new chart whose
  // settings are replaced by the calculation's.
  const auto coord = prjcoord_novo();
  coordenograma_calc(p, c, elos, *coord);
  coord->savetofile(saida);
  return SAIDA_OK;
}

}  // namespace tarvinel::cli
