#pragma once
// A coordination chart leaving the program: the printed job and the exported
// picture. The pages are composed in core (compoecoord); the window's
// commands and tarvinel-cli only choose the device.

#include <QByteArray>
#include <QImage>
#include <QPagedPaintDevice>
#include <string>

#include "core/coordination/coordchart.h"
#include "core/coordination/coordpaginas.h"

namespace tarvinel {

// Size of the exported picture.
inline constexpr int kJPGLARGURA = 1024;
inline constexpr int kJPGALTURA = 768;

// The print job (compoecoord) on a device whose printer, page and
// orientation are already chosen (a printer from the print dialog, a PDF
// writer). Returns the number of pages. Throws std::runtime_error ("Não foi
// possível iniciar a impressão.") when the device refuses the painter.
int imprimecoord(QPagedPaintDevice& dev, tPRJCOORD& prj, const tOPCOES_GRAF& opt, bool separar,
                 tAJUSTE_CURSOR* cursores, const std::string& data = datahoje());

// The whole print job as a PDF file: A4 portrait, the same pages as on a
// printer, written atomically. Throws tERROARQ when the file cannot be
// written.
int imprimepdf(const std::string& path, tPRJCOORD& prj, const tOPCOES_GRAF& opt, bool separar,
               tAJUSTE_CURSOR* cursores);

// The chart as a picture of w by h pixels, drawn with the screen's surface
// settings (cleared background, 1 and 3 pixel lines) and the display options
// of opt, on a chart of its own.
QImage imagemcoord(tPRJCOORD& prj, const tOPCOES_GRAF& opt, tAJUSTE_CURSOR* cursores,
                   int w = kJPGLARGURA, int h = kJPGALTURA);

// The same picture as an SVG document of w by h (vector lines, text as
// text), drawn with the same settings as imagemcoord.
QByteArray svgcoord(tPRJCOORD& prj, const tOPCOES_GRAF& opt, tAJUSTE_CURSOR* cursores,
                    int w = kJPGLARGURA, int h = kJPGALTURA);

// The picture encoded as JPEG with the encoder's default quality. Empty when
// the platform has no JPEG encoder.
QByteArray codificajpg(const QImage& img);

// Writes the picture as a JPEG file, atomically. Throws tERROARQ when the
// file cannot be written or the platform cannot encode JPEG.
void gravajpg(const std::string& path, const QImage& img);

}  // namespace tarvinel
