#include "coordimpressao.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include "canvas_qt.h"
#include "chart/chartx.h"
#include "foundation/arquivo.h"
#include "paginas_qt.h"

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

QImage imagemcoord(tPRJCOORD& prj, const tOPCOES_GRAF& opt, tAJUSTE_CURSOR* cursores, int w,
                   int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  tOPCOES_GRAF tela = opt;
  tela.limpafundo = true;
  tela.linhafina = 1;
  tela.linhagrossa = 3;
  tCHARTX chart;
  QPainter painter(&img);
  tCANVASQT canvas(painter);
  drawcoord(prj, chart, canvas, w, 50, h, tela, cursores);
  painter.end();
  return img;
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
