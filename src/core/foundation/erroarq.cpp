#include "core/foundation/erroarq.h"

#include <fmt/format.h>

#include <cerrno>

namespace tarvinel {

namespace {

const char* verbo(tOPARQ op) {
  switch (op) {
    case tOPARQ::abrir:
      return "abrir";
    case tOPARQ::ler:
      return "ler";
    case tOPARQ::gravar:
      return "gravar";
  }
  return "acessar";
}

std::string mensagem(tOPARQ op, const std::string& path, const std::string& cause) {
  return fmt::format("Não foi possível {} o arquivo \"{}\": {}.", verbo(op), path, cause);
}

}  // namespace

std::string causaerro(tOPARQ op, int err) {
  switch (err) {
    case ENOENT:
      // On saving, the file itself need not exist: what is missing is its folder.
      return op == tOPARQ::gravar ? "pasta não encontrada" : "arquivo não encontrado";
    case ENOTDIR:
      return "caminho inválido";
    case EACCES:
    case EPERM:
      return "permissão negada";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "disco cheio";
    case EFBIG:
      return "arquivo grande demais";
    case EISDIR:
      return "o caminho indicado é uma pasta";
    case EROFS:
      return "mídia somente para leitura";
    case ENAMETOOLONG:
      return "nome de arquivo longo demais";
    case EMFILE:
    case ENFILE:
      return "arquivos abertos demais";
    case EBUSY:
    case ETXTBSY:
      return "arquivo em uso";
    default:
      return fmt::format("erro de E/S (código {})", err);
  }
}

tERROARQ::tERROARQ(tOPARQ op, const std::string& path, int err)
    : tERROARQ(op, path, causaerro(op, err)) {}

tERROARQ::tERROARQ(tOPARQ op, const std::string& path, const std::string& cause)
    : std::runtime_error(mensagem(op, path, cause)), op_(op), path_(path) {}

}  // namespace tarvinel
