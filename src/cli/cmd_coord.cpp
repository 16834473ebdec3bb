// Commands over coordination charts (.coord): the settings text, the
// conversion (read and write again) and a new example chart. A file is read
// the way the desktop program opens it (prjcoord_abre): a new chart with the
// relay counter reset, then the file loaded into it, so converting gives
// exactly what opening and saving gives.

#include <memory>
#include <string>

#include "cli/comandos.h"
#include "core/coordination/coordchart.h"
#include "core/coordination/prjcoord.h"
#include "core/foundation/arquivo.h"

namespace tarvinel::cli {

namespace {

// The example of a new chart, or the file opened as the program opens it.
std::unique_ptr<tPRJCOORD> abre(const std::string& arq) {
  return arq.empty() ? prjcoord_novo() : prjcoord_abre(arq);
}

// The words of a command: at most one file, "-o OUT" and the options the
// command accepts with a value. Returns an error text, empty when all is well.
struct tPALAVRAS {
  std::string arq;
  std::string saida;
  std::string tamanho;  // --size
};

std::string separa(const tARGS& args, bool aceita_tamanho, tPALAVRAS& p) {
  if (!aceita_tamanho) return le_palavras(args, {com_valor("-o", p.saida)}, p.arq);
  return le_palavras(args, {com_valor("-o", p.saida), com_valor("--size", p.tamanho)}, p.arq);
}

}  // namespace

int cmd_settings(const tARGS& args) {
  tPALAVRAS p;
  const std::string msg = separa(args, false, p);
  if (!msg.empty()) return erro_uso("settings", msg);
  const auto prj = abre(p.arq);
  const std::string texto = textoajustes(*prj);
  if (p.saida.empty()) return escreve(texto) ? SAIDA_OK : erro("não foi possível escrever a saída");
  gravartexto(p.saida, texto);
  return SAIDA_OK;
}

int convert_coord(const std::string& in, const std::string& out) {
  if (!tem_extensao(out, ".coord"))
    return erro_uso("convert", "um coordenograma só é gravado como .coord: " + out);
  prjcoord_abre(in)->savetofile(out);
  return SAIDA_OK;
}

int new_coord(const std::string& out) {
  if (!tem_extensao(out, ".coord"))
    return erro_uso("new", "um coordenograma só é gravado como .coord: " + out);
  prjcoord_novo()->savetofile(out);
  return SAIDA_OK;
}

}  // namespace tarvinel::cli
