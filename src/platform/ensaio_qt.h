#pragma once
// The relay test sheet leaving the program: its printed page (landscape, the
// chart and the table composed by compoeensaio) and its chart as a picture.

#include <QImage>
#include <QPagedPaintDevice>

#include "core/relaytest/ensaio.h"
#include "platform/coordimpressao.h"

namespace tarvinel {

// The sheet's page on dev, turned to landscape. Returns the number of pages
// (1); throws std::runtime_error when the device refuses the painter.
int imprimeensaio(QPagedPaintDevice& dev, tFOLHAENSAIO& folha);

// The sheet's chart as the window shows it, on a picture of w by h pixels.
QImage imagemensaio(tFOLHAENSAIO& folha, int w = kJPGLARGURA, int h = kJPGALTURA);

}  // namespace tarvinel
