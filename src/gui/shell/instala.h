#pragma once
// Start-up wiring of the windows around the documents: the about window and
// the welcome screen are made as children of the main window (so they live as
// long as it) and handed to it, with the help entries.
//
// Call right after the main window is made and before it is shown: the about
// window sets the version line that the main window's caption shows.

namespace tarvinel {

class TfmMAIN;

// "Sobre/Changelog" (the about window, modal), the change-history check at
// show time, "Novo..." (the welcome screen), "Manual" and "Procurar
// Atualização".
void instala_sobre_novo(TfmMAIN& fm);

}  // namespace tarvinel
