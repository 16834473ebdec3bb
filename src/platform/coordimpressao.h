#pragma once
// A coordination chart leaving the program: the printed job (the chart on a
// full page, optionally a phase and a neutral page, then the summary page)
// and the exported picture. The window's commands and tarvinel-cli both come
// here, and everything here draws the chart only through drawcoord, so paper,
// picture and screen never drift apart.

#include <QByteArray>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "coordination/coordchart.h"
#include "foundation/tipos.h"

class QPagedPaintDevice;

namespace tarvinel {

class tCANVAS;

// Size of the exported picture.
inline constexpr int kJPGLARGURA = 1024;
inline constexpr int kJPGALTURA = 768;

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
// numbered by its position in the whole list) and the software line.
std::vector<tLINHARESUMO> linhasresumo(const tPRJCOORD& prj, const std::string& data);

// Writes the summary lines on canvas in "Courier New" 12 points, from the top
// of a page of the canvas's size. Lines that do not fit go on to a new page:
// `novapagina` is called before each continuation and the writing resumes at
// the top. Returns the number of pages written (at least 1).
int desenharesumo(tCANVAS& canvas, const std::vector<tLINHARESUMO>& linhas,
                  const std::function<void()>& novapagina);

// The print job on a device whose printer, page and orientation are already
// chosen (a printer from the print dialog, a PDF writer): the chart over the
// whole page with the print pen widths and legends on; with `separar` the
// phase chart and then the neutral chart on two pages; then the summary page.
// `opt` carries the page "Gráfico" (limits, line style, cursors); its screen
// surface settings are replaced by the paper ones. Sets `printing` for the
// job and puts back its previous value. Returns the number of pages.
// Throws std::runtime_error ("Não foi possível iniciar a impressão.") when
// the device refuses the painter.
int imprimecoord(QPagedPaintDevice& dev, tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
                 bool separar, tAJUSTE_CURSOR* cursores, const std::string& data = datahoje());

// The whole print job as a PDF file: A4 portrait at 600 dpi, the same pages
// as on a printer. The document is made in memory and written atomically, so
// a failure never leaves half a PDF over an older file. Throws tERROARQ when
// the file cannot be written.
int imprimepdf(const std::string& path, tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
               bool separar, tAJUSTE_CURSOR* cursores);

// The chart as a picture of w by h pixels, drawn with the screen's surface
// settings (cleared background, 1 and 3 pixel lines) and the display options
// of opt.
QImage imagemcoord(tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
                   tAJUSTE_CURSOR* cursores, int w = kJPGLARGURA, int h = kJPGALTURA);

// The same picture as an SVG document of w by h (vector lines, text as
// text), drawn with the same settings as imagemcoord.
QByteArray svgcoord(tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
                    tAJUSTE_CURSOR* cursores, int w = kJPGLARGURA, int h = kJPGALTURA);

// The picture encoded as JPEG with the encoder's default quality. Empty when
// the platform has no JPEG encoder.
QByteArray codificajpg(const QImage& img);

// Writes the picture as a JPEG file, atomically. Throws tERROARQ when the
// file cannot be written or the platform cannot encode JPEG.
void gravajpg(const std::string& path, const QImage& img);

}  // namespace tarvinel
