#include "platform/ensaio_qt.h"

#include <QPainter>

#include "core/chart/chartx.h"
#include "platform/canvas_qt.h"
#include "platform/paginas_qt.h"

namespace tarvinel {

int imprimeensaio(QPagedPaintDevice& dev, tFOLHAENSAIO& folha) {
  return imprimepaginas(
      dev, [&](tPAGINAS& pag) { return compoeensaio(pag, folha); }, QPageLayout::Landscape);
}

QImage imagemensaio(tFOLHAENSAIO& folha, int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  tCHARTX chart;
  chart.limites = {1, 10000, 0.01, 100};
  QPainter painter(&img);
  tCANVASQT canvas(painter);
  chart.canvas = &canvas;
  drawchart(chart, folha, w, h, 0);
  chart.canvas = nullptr;
  painter.end();
  return img;
}

}  // namespace tarvinel
