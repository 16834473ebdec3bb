#pragma once
// The curve browser (with its user-curve editor) and the fuse-link chooser
// exist once for the whole program. The main window makes them at start, as
// its children, so they go away with it; from then on the curve and
// fuse-link choosers of the dialogs service (dialogos().curva and
// dialogos().elo) open them.

class QWidget;

namespace tarvinel {

class TfmCURVA;
class TfmELO;

// Makes both windows once; later calls change nothing.
void cria_janelas_curvas(QWidget* principal);
// The windows; nullptr before cria_janelas_curvas and after the main window
// is gone.
TfmCURVA* fmCURVA();
TfmELO* fmELO();

}  // namespace tarvinel
