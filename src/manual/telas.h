#pragma once
// The manual's screenshots, taken from the program's own windows (the main
// window with every document kind registered, the curve browser and editor,
// the fuse-link chooser, the about window) on the platform the application
// runs on, normally "offscreen" at build time. Nothing is written to the
// user's settings: the user curves live in memory while the pictures are
// taken.

#include <QImage>
#include <map>
#include <string>
#include <vector>

namespace tarvinel::manual {

// Every name a chapter may use in "![Legenda](tela:nome)".
const std::vector<std::string>& nomes_telas();

// One picture per name. The coordination pictures show the chart of
// pasta_exemplos/subestacao-23kv-3-trafos.coord when it is there, else the
// example of a new chart; the calculation pictures show a new calculation
// (the manual's worked example) after "Aplicar". Needs a QApplication.
// Throws std::runtime_error when a window cannot be made or shown.
std::map<std::string, QImage> tira_telas(const std::string& pasta_exemplos);

}  // namespace tarvinel::manual
