#include "gui/shell/inicio.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "core/curves/elofusivel.h"
#include "core/curves/inifile.h"
#include "core/foundation/estado.h"
#include "gui/shell/recentes.h"

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

bool instala_traducao() {
  static QTranslator* qt = nullptr;
  if (qt != nullptr) return true;
  auto* t = new QTranslator(QCoreApplication::instance());
  for (const QString& pasta : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QStringLiteral("/usr/share/qt6/translations")}) {
    if (t->load(QStringLiteral("qtbase_pt_BR"), pasta) && QCoreApplication::installTranslator(t)) {
      qt = t;
      return true;
    }
  }
  delete t;
  return false;
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
