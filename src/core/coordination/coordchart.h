#pragma once
// The whole coordination chart of a project, drawn on any surface. The
// window, the printer, the image export and tarvinel-cli all draw through
// drawcoord, so what is printed or exported is exactly what is on the screen.
//
// Also the settings text: the settings of a chart as lines of text, for the
// file and clipboard exports.

#include <string>

#include "core/chart/canvas.h"
#include "core/chart/chartx.h"
#include "core/coordination/prjcoord.h"

namespace tarvinel {

class tAJUSTE_CURSOR;
struct tRESULTADOVERIF;

// What the page "Gráfico" of the window chooses, with the screen's surface
// settings. The defaults are those of a new window on the screen and of the
// exported image.
struct tOPCOES_GRAF {
  bool legenda = true;  // showlegend
  bool fase = true;     // show_fase
  bool neutro = true;   // show_neutro
  // "Curva de FASE pontilhada": the relay's phase function thin and dashed,
  // the neutral thick and solid (tra_cur is its opposite).
  bool linha = false;
  bool cursor = false;     // draw the measuring cursors
  double lim_inf = 1;      // lowest current shown, A
  double lim_sup = 10000;  // highest current shown, A (the window's list is in kA)
  double tmp_inf = 0.01;   // shortest time shown, s
  double tmp_sup = 100;    // longest time shown, s
  // Highest current of the checks on a chart without a short-circuit marker;
  // 0: lim_sup. A zoomed view keeps the chart's limit here, so zooming never
  // changes a verdict.
  double lim_verif = 0;
  // Surface settings: the screen and the image clear the background and draw
  // 1 and 3 pixel lines; the printer leaves the paper and draws 5 and 20.
  bool limpafundo = true;
  int linhafina = 1;
  int linhagrossa = 3;
};

// Draws the chart of prj on canvas, w by h pixels with margin folga.
//
// In order: the current and time limits and the line style from opt; size and the
// "Tahoma" 10 font; the legend/phase/neutral switches from opt, except while
// `printing` is set (the print step has set them on the chart); the title,
// background and grid; every setting numbered by its 1-based position in
// `seq` (hidden ones too) and, when visible, drawn after the default pen with
// its colour as font colour, an ANSI point first getting the project's
// nominal voltage; the worst point of every failing check of the chart
// (drawverif); the version line and the maker's site running up the
// lower-left corner; then the cursors when opt.cursor is set and cursores is
// given.
//
// Everything the settings and the cursors draw is clipped to the plot window
// (the frame): curves end at it. The labels the settings write are collected
// and placed apart in one step after the last setting (tCHARTX::poerotulos);
// the labels of text settings and the two corner lines stay where they are,
// and the others keep clear of them. The grid labels the 2, 3 and 5 lines of
// ranges under two decades.
//
// The chart keeps the size, window and limits of this drawing (the mouse
// readout maps pixels with them); its canvas pointer is cleared on return,
// since the surface usually lives only as long as one paint.
//
// verif: the checks of the chart already made (the window keeps them while
// only the view changes); null: they are made here.
void drawcoord(tPRJCOORD& prj, tCHARTX& chart, tCANVAS& canvas, int w, int folga, int h,
               const tOPCOES_GRAF& opt, tAJUSTE_CURSOR* cursores = nullptr,
               const tRESULTADOVERIF* verif = nullptr);

// The settings text: for each setting, "n) kind: name", then one line per
// property row (tab, name, ": ", value) leaving out section rows, "Visível",
// "Cor", "Nome", the two legend-position rows of a relay and an empty
// "Observações", then an empty line. Every line ends with CR LF; a chart
// without settings gives "".
std::string textoajustes(const tPRJCOORD& prj);

}  // namespace tarvinel
