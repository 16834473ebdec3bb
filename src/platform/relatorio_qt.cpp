#include "relatorio_qt.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "calculation/paginacao.h"

namespace tarvinel {

namespace {

QFont fonte_relatorio() {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPointSize(12);
  return f;
}

}  // namespace

int imprime_relatorio(QPagedPaintDevice& dev, const std::vector<std::string>& linhas) {
  dev.setPageOrientation(QPageLayout::Portrait);
  QPainter p;
  if (!p.begin(&dev)) return 0;
  const QFont f = fonte_relatorio();
  p.setFont(f);
  p.setPen(Qt::black);
  const QFontMetrics fm(f, &dev);
  const int h = fm.height();
  const int x = 5 * fm.horizontalAdvance(QLatin1Char('A'));
  const std::vector<tPOSLINHA> pos = paginar(linhas, dev.height(), h);
  int pagina = 0;
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    while (pagina < pos[i].pagina) {
      dev.newPage();
      ++pagina;
    }
    if (linhas[i].empty()) continue;
    p.drawText(x, pos[i].y + fm.ascent(), QString::fromStdString(linhas[i]));
  }
  p.end();
  return paginas(pos);
}

QByteArray relatorio_pdf(const std::vector<std::string>& linhas) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buf);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    pdf.setCreator(QStringLiteral("tarvinel"));
    imprime_relatorio(pdf, linhas);
  }
  return bytes;
}

}  // namespace tarvinel
