#pragma once
// The commands of tarvinel-cli. Each command is one function over the words
// that follow its name; main() only dispatches. A new command is a new
// cmd_*.cpp file, its declaration here and one row in the table of main.cpp.
// The commands that need Qt are in cmd_qt.cpp (sem_qt.cpp in a build without
// it).

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tarvinel {
class tRELATORIO;
}

namespace tarvinel::cli {

// Exit codes of the program.
inline constexpr int SAIDA_OK = 0;
inline constexpr int SAIDA_ERRO = 1;  // file or input error
inline constexpr int SAIDA_USO = 2;   // wrong arguments

using tARGS = std::vector<std::string>;

// Writes "tarvinel-cli: <msg>" and the usage line of the command to stderr;
// returns SAIDA_USO.
int erro_uso(const std::string& comando, const std::string& msg);
// Writes "tarvinel-cli: <msg>" to stderr; returns SAIDA_ERRO.
int erro(const std::string& msg);
// Writes a warning (a "#" line of the message log, a plausibility message) to
// stderr as "Aviso: ..."; the message sink of the whole run (main).
void aviso(std::string msg);
// Writes text to stdout; false when the output could not be written.
bool escreve(const std::string& text);

// An option of a command: the word, and either the string that takes the word
// after it (com_valor) or the flag it sets (marca).
struct tOPCAO {
  std::string_view nome;
  std::string* valor = nullptr;
  bool* ligada = nullptr;
  std::string_view falta;  // what a missing value is called in the message
};
inline tOPCAO com_valor(std::string_view nome, std::string& valor,
                        std::string_view falta = "o valor") {
  return {nome, &valor, nullptr, falta};
}
inline tOPCAO marca(std::string_view nome, bool& ligada) {
  return {nome, nullptr, &ligada, {}};
}
// Reads the words of a command: the options of the table, anywhere, and at
// most one file name (into arq). Returns the message for erro_uso ("falta o
// valor depois de -o", "opção desconhecida: -x", "argumento inesperado: b"),
// empty when all is well.
std::string le_palavras(const tARGS& args, std::initializer_list<tOPCAO> opcoes, std::string& arq);

int cmd_curves(const tARGS& args);
int cmd_trip(const tARGS& args);
int cmd_report(const tARGS& args);
int cmd_convert(const tARGS& args);
int cmd_new(const tARGS& args);
int cmd_image(const tARGS& args);
int cmd_settings(const tARGS& args);
// The checks of a chart (exit 3 when one fails) and the points its settings
// draw (cmd_coord.cpp).
int cmd_check(const tARGS& args);
int cmd_points(const tARGS& args);
// The print job of a document as a PDF file.
int cmd_pdf(const tARGS& args);
// The coordination chart made from a calculation file (cmd_calculo.cpp).
int cmd_coordcalc(const tARGS& args);
// The .coord branches of convert and new (cmd_coord.cpp).
int convert_coord(const std::string& in, const std::string& out);
int new_coord(const std::string& out);
// The report of a calculation file (the example of a new calculation for an
// empty name) as report and pdf write it: warnings on stderr; false, with
// the reasons on stderr, when the calculation refuses the project.
bool relatorio_ajuste(const std::string& arq, tRELATORIO& r);
// Opens the user's own curves for the whole run, read only (cmd_qt.cpp).
void abre_curvas_usuario();

}  // namespace tarvinel::cli
