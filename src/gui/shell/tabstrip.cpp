#include "gui/shell/tabstrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/foundation/arquivo.h"
#include "gui/shell/abas.h"
#include "gui/shell/fmbase.h"

namespace tarvinel {

tTABSTRIP::tTABSTRIP(const tABAS& abas, tICONEDOC icone, QWidget* parent)
    : QWidget(parent), abas_(abas), icone_(std::move(icone)) {
  setObjectName(QStringLiteral("tab_ptb"));
  setFixedHeight(kALTURA);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QRect tTABSTRIP::tab_rect(int i, int altura) {
  const int l = 150 * i + 2;
  const int r = 150 * i + 150;
  const int t = 2;
  const int b = altura - 2;
  return QRect(QPoint(l, t), QSize(r - l, b - t));
}

QRect tTABSTRIP::close_rect(int i, int altura) {
  const QRect r = tab_rect(i, altura);
  return QRect(QPoint(r.left() + r.width() - kFECHAR, r.top()), QSize(kFECHAR, r.height()));
}

QString tTABSTRIP::nome_aba(const std::string& caption) {
  return QString::fromStdString(nome_arquivo(caption));
}

QRect tTABSTRIP::aba(int i) const {
  const auto& lst = abas_.tab_lst();
  const QFontMetrics fm(font());
  int esquerda = 0;
  QRect r;
  for (int k = 0; k <= i && k < static_cast<int>(lst.size()); ++k) {
    const int nome = fm.horizontalAdvance(nome_aba(lst[static_cast<std::size_t>(k)]->caption()));
    const int largura = std::max(150, 20 + nome + 4 + kFECHAR);
    r = QRect(QPoint(esquerda + 2, 2), QSize(largura - 2, height() - 4));
    esquerda += largura;
  }
  return r;
}

QRect tTABSTRIP::fechar(int i) const {
  const QRect r = aba(i);
  return QRect(QPoint(r.left() + r.width() - kFECHAR, r.top()), QSize(kFECHAR, r.height()));
}

QSize tTABSTRIP::sizeHint() const {
  return QSize(400, kALTURA);
}

void tTABSTRIP::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int h = height();
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawLine(0, h - 2, width(), h - 2);

  const auto& lst = abas_.tab_lst();
  for (int i = 0; i < static_cast<int>(lst.size()); ++i) {
    const tFMBASE& w = *lst[static_cast<std::size_t>(i)];
    const QRect r = aba(i);
    const QRect x = fechar(i);
    p.fillRect(r, QColor(0xDD, 0xDD, 0xDD));
    p.fillRect(x, QColor(0xCC, 0xCC, 0xCC));
    p.setPen(Qt::black);
    const QFontMetrics fm(font());
    p.drawText(QPoint(r.left() + r.width() - 10, r.top() + 2 + fm.ascent()), QStringLiteral("x"));
    if (&w == abas_.xta()) {
      // One pixel wide, around the tab and one pixel lower than it.
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height()));
    }
    if (icone_) icone_(w).paint(&p, QRect(r.left(), r.top() + 2, 16, 16));
    const QRect texto(QPoint(r.left() + 20, r.top() + 3), QPoint(x.left() - 1, r.bottom()));
    p.save();
    p.setClipRect(texto);
    p.setPen(Qt::black);
    p.drawText(texto, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, nome_aba(w.caption()));
    p.restore();
  }
}

void tTABSTRIP::mousePressEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  const auto lst = abas_.tab_lst();  // a copy: closing changes the list
  for (int i = 0; i < static_cast<int>(lst.size()); ++i) {
    if (fechar(i).contains(pt)) {
      emit fecha(lst[static_cast<std::size_t>(i)]);
      return;
    }
  }
  for (int i = 0; i < static_cast<int>(lst.size()); ++i) {
    if (aba(i).contains(pt)) {
      emit ativa(lst[static_cast<std::size_t>(i)]);
      return;
    }
  }
}

}  // namespace tarvinel
