#pragma once
// The printed pages of a coordination chart, composed on paper pixels
// (tPAGINAS): the chart over the whole page, or the phase chart and then the
// neutral chart on two pages, followed by the summary page with the project's
// data and the table of relay/recloser settings, each relay in its colour.
//
// The composition draws on a chart of its own: the window's chart keeps its
// screen state and mapping, so nothing needs restoring after a print.

#include <functional>
#include <string>
#include <vector>

#include "core/chart/paginas.h"
#include "core/coordination/coordchart.h"
#include "core/foundation/tipos.h"

namespace tarvinel {

class tAJUSTE_CURSOR;

// The pen widths of paper, in paper pixels.
inline constexpr int kLINHAFINA_PAPEL = 5;
inline constexpr int kLINHAGROSSA_PAPEL = 20;

// One line of the summary page and the colour it is written in.
struct tLINHARESUMO {
  std::string texto;
  tCOR cor = clBlack;
  bool operator==(const tLINHARESUMO&) const = default;
};

// Today's date as the summary page shows it, "dd/mm/yy".
std::string datahoje();

// The lines of the summary page, top to bottom: the project's data, the date
// `data`, the table of relay/recloser settings (each relay in its colour,
// numbered by its position in the whole list), the software line and, when
// the chart has anything to check, the table of checks (failing rows red).
// lim_sup ends the checked current range of a chart without short-circuit
// markers, as on the chart.
std::vector<tLINHARESUMO> linhasresumo(const tPRJCOORD& prj, const std::string& data,
                                       double lim_sup = tOPCOES_GRAF{}.lim_sup);

// Writes the summary lines on canvas in "Courier New" 12 points, from the top
// of a page of the canvas's size. Lines that do not fit go on to a new page:
// `novapagina` is called before each continuation and the writing resumes at
// the top. Returns the number of pages written (at least 1).
int desenharesumo(tCANVAS& canvas, const std::vector<tLINHARESUMO>& linhas,
                  const std::function<void()>& novapagina);

// The whole print job on pag: the chart with the paper's surface settings
// (background left as it is, lines of kLINHAFINA_PAPEL and
// kLINHAGROSSA_PAPEL) and legends on; with `separar` the phase chart, then
// the neutral chart; then the summary page. The margin is 5 % of the page
// width. `opt` carries the page "Gráfico" (limits, line style, cursors).
// Sets `printing` for the job and puts back its previous value. Returns the
// number of pages.
int compoecoord(tPAGINAS& pag, tPRJCOORD& prj, const tOPCOES_GRAF& opt, bool separar,
                tAJUSTE_CURSOR* cursores, const std::string& data = datahoje());

}  // namespace tarvinel
