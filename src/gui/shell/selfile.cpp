#include "gui/shell/selfile.h"

#include <filesystem>

#include "core/curves/inifile.h"
#include "core/foundation/arquivo.h"
#include "gui/dialogos.h"

namespace tarvinel {

std::string filtro_sel_file(const tEXTS& exts) {
  std::string f;
  if (exts.size() > 1) {
    f = "Todos|";
    for (const auto& e : exts) f += "*." + e + ";";
    f += "|";
  }
  for (std::size_t i = 0; i < exts.size(); ++i) {
    if (i > 0) f += "|";
    f += "*." + exts[i] + "|*." + exts[i];
  }
  return f;
}

bool sel_file(std::string& filename, const tEXTS& exts, bool salvar, const std::string& pasta) {
  tPEDIDOARQ p;
  p.salvar = salvar;
  p.nome = filename;
  p.filtro = filtro_sel_file(exts);
  if (!exts.empty()) p.extpadrao = exts.front();
  // Only the open dialog of the document kinds remembers its folder.
  const bool lembra = exts.size() >= 2 && inifile_isopen();
  if (lembra) p.pasta = inifile().readstr("pfn", exts.front(), "");
  if (!pasta.empty()) p.pasta = pasta;

  const std::optional<std::string> escolhido = dialogos().arquivo(p);
  if (!escolhido || escolhido->empty()) return false;
  filename = *escolhido;
  if (lembra) {
    const auto pasta = std::filesystem::path(filename).parent_path().string();
    inifile().writestr("pfn", exts.front(), pasta);
  }
  return true;
}

std::string nome_proposto(const std::string& curfilename, const std::string& padrao) {
  if (curfilename.empty()) return padrao;
  return nome_sem_extensao(curfilename);
}

}  // namespace tarvinel
