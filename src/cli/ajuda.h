#pragma once
// The one description of tarvinel-cli and tarvinel: every command with its
// arguments, options and exit codes. `tarvinel-cli --help`, `tarvinel-cli
// COMANDO --help` and the manual pages tarvinel-cli(1) and tarvinel(1) are all
// written from these tables, so the help and the pages cannot say different
// things. Plain C++, no engine: the page generator of the build links only
// this.

#include <string>
#include <vector>

namespace tarvinel::cli {

struct tDOCOPCAO {
  std::string nome;   // "--inst A", "-o SAIDA.txt"
  std::string texto;  // one sentence
};

struct tDOCCOMANDO {
  std::string nome;                // "trip"
  std::string uso;                 // the arguments, as in the usage line
  std::string resumo;              // one line, shown in the list of commands
  std::vector<std::string> texto;  // paragraphs of the command's own help
  std::vector<tDOCOPCAO> opcoes;
};

// The commands in the order the help lists them.
const std::vector<tDOCCOMANDO>& doc_comandos();
// The command of that name, or nullptr.
const tDOCCOMANDO* doc_comando(const std::string& nome);

// "tarvinel-cli NOME USO".
std::string linha_uso(const tDOCCOMANDO& c);
// The whole help of `tarvinel-cli --help` (also written to stderr when the
// program is called without a command).
std::string texto_ajuda();
// The help of `tarvinel-cli NOME --help`.
std::string texto_ajuda_comando(const tDOCCOMANDO& c);

// The help of `tarvinel --help`, the desktop program.
std::string texto_ajuda_programa();

// The manual pages in roff (man macros, UTF-8), with the version line
// ("Tarvinel 2.0.0") and the date ("2026-12-09") of their header.
std::string man_cli(const std::string& versao, const std::string& data);
std::string man_programa(const std::string& versao, const std::string& data);

}  // namespace tarvinel::cli
