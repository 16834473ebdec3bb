#include "platform/paginas_qt.h"

#include <QBuffer>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <stdexcept>

#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"

namespace tarvinel {

tPAGINASQT::tPAGINASQT(QPagedPaintDevice& dev) : dev_(dev) {
  if (!painter_.begin(&dev_)) throw std::runtime_error("Não foi possível iniciar a impressão.");
  const int dx = dev_.logicalDpiX() > 0 ? dev_.logicalDpiX() : kDPIPAPEL;
  const int dy = dev_.logicalDpiY() > 0 ? dev_.logicalDpiY() : kDPIPAPEL;
  const double sx = static_cast<double>(dx) / kDPIPAPEL;
  const double sy = static_cast<double>(dy) / kDPIPAPEL;
  painter_.scale(sx, sy);
  canvas_.emplace(painter_, static_cast<int>(dev_.width() / sx),
                  static_cast<int>(dev_.height() / sy), kDPIPAPEL);
}

tPAGINASQT::~tPAGINASQT() {
  canvas_.reset();
  painter_.end();
}

void tPAGINASQT::novapagina() {
  dev_.newPage();
}

int imprimepaginas(QPagedPaintDevice& dev, const tCOMPOE& compoe,
                   std::optional<QPageLayout::Orientation> orientacao) {
  if (orientacao) dev.setPageOrientation(*orientacao);
  tPAGINASQT pag(dev);
  return compoe(pag);
}

QByteArray pdfpaginas(const tCOMPOE& compoe, QPageLayout::Orientation orientacao,
                      const std::string& titulo, int* paginas) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buf);
    pdf.setResolution(kDPIPAPEL);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientacao, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    pdf.setCreator(QString::fromStdString(versionline));
    pdf.setTitle(QString::fromStdString(titulo));
    const int n = imprimepaginas(pdf, compoe);
    if (paginas != nullptr) *paginas = n;
  }
  return bytes;
}

int gravapdf(const std::string& path, const tCOMPOE& compoe, QPageLayout::Orientation orientacao,
             const std::string& titulo) {
  int n = 0;
  const QByteArray bytes = pdfpaginas(compoe, orientacao, titulo, &n);
  gravarbytes(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return n;
}

}  // namespace tarvinel
