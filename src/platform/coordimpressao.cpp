#include "platform/coordimpressao.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include "core/chart/chartx.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "platform/canvas_qt.h"
#include "platform/paginas_qt.h"

namespace tarvinel {

int imprimecoord(QPagedPaintDevice& dev, tPRJCOORD& prj, const tOPCOES_GRAF& opt, bool separar,
                 tAJUSTE_CURSOR* cursores, const std::string& data) {
  return imprimepaginas(
      dev, [&](tPAGINAS& pag) { return compoecoord(pag, prj, opt, separar, cursores, data); });
}

int imprimepdf(const std::string& path, tPRJCOORD& prj, const tOPCOES_GRAF& opt, bool separar,
               tAJUSTE_CURSOR* cursores) {
  return gravapdf(
      path, [&](tPAGINAS& pag) { return compoecoord(pag, prj, opt, separar, cursores); },
      QPageLayout::Portrait, prj.titulo);
}

namespace {

// The exported picture on any device of w by h: the screen's surface
// settings (cleared background, 1 and 3 pixel lines), margin 50, on a chart
// of its own.
void desenhaimagem(QPaintDevice& dev, tPRJCOORD& prj, const tOPCOES_GRAF& opt,
                   tAJUSTE_CURSOR* cursores, int w, int h) {
  tOPCOES_GRAF tela = opt;
  tela.limpafundo = true;
  tela.linhafina = 1;
  tela.linhagrossa = 3;
  tCHARTX chart;
  QPainter painter(&dev);
  tCANVASQT canvas(painter, w, h);
  drawcoord(prj, chart, canvas, w, 50, h, tela, cursores);
  painter.end();
}

}  // namespace

QImage imagemcoord(tPRJCOORD& prj, const tOPCOES_GRAF& opt, tAJUSTE_CURSOR* cursores, int w,
                   int h) {
  QImage img(w, h, QImage::Format_RGB32);
  if (img.isNull()) return img;
  img.fill(Qt::white);
  desenhaimagem(img, prj, opt, cursores, w, h);
  return img;
}

QByteArray svgcoord(tPRJCOORD& prj, const tOPCOES_GRAF& opt, tAJUSTE_CURSOR* cursores, int w,
                    int h) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buf);
  svg.setSize(QSize(w, h));
  svg.setViewBox(QRect(0, 0, w, h));
  // The picture's resolution, so fonts get the same pixel sizes as in the
  // JPEG export.
  svg.setResolution(QImage(1, 1, QImage::Format_RGB32).logicalDpiY());
  svg.setTitle(QString::fromStdString(prj.titulo));
  svg.setDescription(QString::fromStdString(versionline));
  desenhaimagem(svg, prj, opt, cursores, w, h);
  buf.close();
  // The generator gives the size in millimetres, which readers turn into
  // pixels at 90 or at 96 dpi; in pixels every reader shows w by h.
  const int i = bytes.indexOf("<svg width=\"");
  const int j = i < 0 ? -1 : bytes.indexOf('\n', i);
  if (j > i)
    bytes.replace(i, j - i,
                  QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(w).arg(h).toUtf8());
  return bytes;
}

QByteArray codificajpg(const QImage& img) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  QImageWriter w(&buf, "jpg");
  if (!w.write(img)) return {};
  return bytes;
}

void gravajpg(const std::string& path, const QImage& img) {
  const QByteArray bytes = codificajpg(img);
  if (bytes.isEmpty())
    throw tERROARQ(tOPARQ::gravar, path, "o sistema não tem um codificador de imagens JPEG");
  gravarbytes(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tarvinel
