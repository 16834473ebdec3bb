// Commands over calculation documents (.ajuste): the report, the conversion
// (read and write again), a new example document and the coordination chart
// made from a calculation. A file is read and calculated the way the
// calculation window opens it (prjcalc_abre, prjcalc_calcula).

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

namespace tarvinel::cli {

namespace {

bool e_ajuste(const std::string& arq) {
  return tem_extensao(arq, ".ajuste");
}

bool e_coord(const std::string& arq) {
  return tem_extensao(arq, ".coord");
}

// The warnings of the last calculation as --json lists them: without the
// message log's "#".
std::vector<std::string> avisos;

// The example of a new calculation, or the file read into it.
void abre(tPRJCALC& p, const std::string& arq) {
  if (!arq.empty()) prjcalc_abre(p, arq);
}

// Calculates as Apply does; the plausibility message and the warnings go to
// stderr as every warning of the run does. False (with the reasons on stderr)
// when the project is refused.
bool calcula(tPRJCALC& p, tPRJCALCVAR& c) {
  avisos.clear();
  const tRESULTADO_CALC r = prjcalc_calcula(p, c);
  if (!r.ok()) {
    erro("cálculo recusado:\n" + r.recusa);
    return false;
  }
  if (!r.plausibilidade.empty()) avisos.push_back(r.plausibilidade);
  avisos.insert(avisos.end(), r.avisos.begin(), r.avisos.end());
  for (std::string& a : avisos) {
    aviso(a);
    if (!a.empty() && a.front() == '#') a.erase(0, 1);
  }
  return true;
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
  bool json = false, sem_resumo = false, sem_memorial = false, sem_celesc = false;
  const std::string msg =
      le_palavras(args,
                  {com_valor("-o", saida, "o arquivo"), marca("--json", json),
                   marca("--sem-resumo", sem_resumo), marca("--sem-memorial", sem_memorial),
                   marca("--sem-celesc", sem_celesc)},
                  arq);
  if (!msg.empty()) return erro_uso("report", msg);
  tRELOPC opc;
  if (sem_resumo) opc.principal = false;
  if (sem_memorial) opc.memorial = false;
  if (sem_celesc) opc.celesc = false;
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
  const std::string msg =
      le_palavras(args, {com_valor("-o", saida, "o arquivo"), marca("--elos", elos)}, arq);
  if (!msg.empty()) return erro_uso("coord", msg);
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
