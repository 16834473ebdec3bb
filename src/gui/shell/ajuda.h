#pragma once
// The "Ajuda" services of the main window and the welcome screen: opening a
// file or web address with the platform's program for it (shell_open), the
// manual, the example studies and the update check.

#include <functional>
#include <string>
#include <vector>

namespace tarvinel {

// Asks the platform to open a local file or a web address ("https://...")
// with the program associated with it, and does not wait. False when the
// platform has no program for it.
bool shell_open(const std::string& alvo);
// Replaces what shell_open does (tests); returns the previous replacement.
// An empty function goes back to the platform.
using tSHELLOPEN = std::function<bool(const std::string&)>;
tSHELLOPEN set_shell_open(tSHELLOPEN f);

// Where the manual is looked for, in order: "manual.pdf" in the program's own
// folder (a portable copy), then in the documentation folder of an
// installation beside it (<prefix>/share/doc/tarvinel).
std::vector<std::string> caminhos_manual(const std::string& pasta_programa);
// Message for a manual found nowhere; names every path looked for.
std::string msg_sem_manual(const std::vector<std::string>& caminhos);

// "Manual": opens the first manual found with shell_open; otherwise tells
// where it was looked for.
void abre_manual(const std::string& pasta_programa);
void abre_manual();

// The folder of the example studies shipped with the program: "exemplos" in
// the program's own folder (a build or a portable copy), else the data folder
// of an installation beside it (<prefix>/share/tarvinel/exemplos); empty when
// neither exists.
std::string pasta_exemplos(const std::string& pasta_programa);
std::string pasta_exemplos();

// "Procurar Atualização": the program has no source for the latest version,
// so the check always ends with this message.
inline constexpr const char* kMSGATUALIZACAO = "Não foi possível verificar por atualizaçãoes.";
void checkupdate();

}  // namespace tarvinel
