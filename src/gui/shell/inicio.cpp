#include "inicio.h"

#include <QLocale>
#include <clocale>

#include "curves/elofusivel.h"
#include "curves/inifile.h"
#include "foundation/estado.h"
#include "shell/recentes.h"

namespace tarvinel {

void inicia_modulos(std::unique_ptr<tSTORE> store) {
  (void)elolista();
  printing = false;
  inifile_open(std::move(store));
}

void configura_numeros() {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  QLocale::setDefault(c);
  std::setlocale(LC_NUMERIC, "C");
}

void finaliza_modulos(const tRECENTES& recentes, const std::string& path) {
  recentes.gravar(path);
  if (inifile_isopen()) {
    inifile().savecurves();
    inifile().store().flush();
    inifile_close();
  }
}

}  // namespace tarvinel
