#pragma once
// The program's start and end around its windows. Order at start: the
// fuse-link catalogue, `printing` cleared, the settings store opened with the
// user curves, then the number and date settings; only then the windows. At
// the end the recent-files list and the user curves are written back.

#include <memory>
#include <string>

namespace tarvinel {

class tSTORE;
class tRECENTES;

// Short date format of the program (reports, headers); separator "/".
inline constexpr const char* kFORMATODATA = "dd/MM/yyyy";

// Fuse-link catalogue, printing = false, inifile opened over `store` with the
// user curves loaded.
void inicia_modulos(std::unique_ptr<tSTORE> store);

// Decimal point "." and no digit grouping wherever Qt formats or reads
// numbers, whatever the user's regional settings; also for the C library,
// which QApplication switched to the user's locale.
void configura_numeros();

// Qt's own Brazilian Portuguese texts ("qtbase_pt_BR", Debian package
// qt6-translations-l10n) for the standard dialogs, buttons and context menus:
// installed on the application once; true when they are in place. Without
// the file the standard texts stay in English and the program still runs.
bool instala_traducao();

// Writes the recent-files list to `path` and the user curves to the store,
// then closes the store. Failures to write the list are ignored; the curves
// are written even so.
void finaliza_modulos(const tRECENTES& recentes, const std::string& path);

}  // namespace tarvinel
