#pragma once
// The file chooser of every open, save-as and export command.

#include <string>
#include <vector>

namespace tarvinel {

using tEXTS = std::vector<std::string>;

// Filter text for the extensions (without the dot), in pairs of display text
// and pattern joined by "|": {"coord", "ajuste"} gives
// "Todos|*.coord;*.ajuste;|*.coord|*.coord|*.ajuste|*.ajuste", {"jpg"} gives
// "*.jpg|*.jpg".
std::string filtro_sel_file(const tEXTS& exts);

// Asks for a file through the dialogs service. The first extension is the
// default one. With two or more extensions (the document kinds) the chooser
// starts in the folder
// remembered in the settings store (section "pfn", value named by the first
// extension) and remembers the chosen file's folder there; a non-empty `pasta`
// is the starting folder instead (the folder is still remembered). Confirmed:
// the path is returned in `filename` and the result is true; cancelled: false
// and `filename` unchanged.
bool sel_file(std::string& filename, const tEXTS& exts, bool salvar, const std::string& pasta = {});

// The document kinds "Abrir" offers, in filter order.
inline const tEXTS kEXTSDOC = {"coord", "ajuste", "ens"};

// Name proposed for an export: the document's file name without folder and
// extension, or `padrao` for a document without a file.
std::string nome_proposto(const std::string& curfilename, const std::string& padrao);

}  // namespace tarvinel
