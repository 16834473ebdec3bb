#include "gui/coordination/listaajustes.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>

#include "platform/canvas_qt.h"

namespace tarvinel {

tLISTAAJUSTES::tLISTAAJUSTES(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new tLISTADELEGATE(this));
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(10);
  // The open list is wider than the closed one, so whole entries are read.
  view()->setMinimumWidth(320);
  connect(this, &QComboBox::currentIndexChanged, this, [this] { updateGeometry(); });
}

void tLISTAAJUSTES::adiciona(const QString& texto, tAJUSTE* s, tCOR c) {
  addItem(texto);
  const int i = count() - 1;
  setItemData(i, QVariant::fromValue(reinterpret_cast<quintptr>(s)), ROLE_AJUSTE);
  setItemData(i, c, ROLE_COR);
}

void tLISTAAJUSTES::atualiza(int i, const QString& texto, tCOR c) {
  setItemText(i, texto);
  setItemData(i, c, ROLE_COR);
  if (i == currentIndex()) updateGeometry();
}

tAJUSTE* tLISTAAJUSTES::ajuste(int i) const {
  if (i < 0 || i >= count()) return nullptr;
  return reinterpret_cast<tAJUSTE*>(itemData(i, ROLE_AJUSTE).value<quintptr>());
}

tCOR tLISTAAJUSTES::cor(int i) const {
  return itemData(i, ROLE_COR).toInt();
}

QRect tLISTAAJUSTES::amostra(const QRect& r) {
  // Right edge exclusive, as the item rectangle's right() is inclusive.
  const int dir = r.right() + 1;
  return QRect(QPoint(dir - 22, r.top() + 2), QPoint(dir - 2 - 1, r.bottom() - 2));
}

void tLISTAAJUSTES::desenha(QPainter& p, const QRect& r, const QBrush& fundo, const QColor& texto,
                            const QString& s, tCOR c, bool quebra) {
  p.save();
  p.fillRect(r, fundo);
  p.setPen(texto);
  const QFontMetrics fm = p.fontMetrics();
  const QRect area(r.left(), r.top(), std::max(0, r.width() - 24), r.height());
  p.setClipRect(area);
  if (quebra && fm.horizontalAdvance(s) > area.width() - 1)
    p.drawText(area.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, s);
  else
    p.drawText(r.left() + 1, r.top() + fm.ascent(), s);
  p.setClipping(false);
  p.setPen(Qt::black);
  p.setBrush(qcolor(c));
  p.drawRect(amostra(r).adjusted(0, 0, -1, -1));
  p.restore();
}

void tLISTAAJUSTES::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionComboBox opt;
  initStyleOption(&opt);
  opt.currentText.clear();
  p.drawComplexControl(QStyle::CC_ComboBox, opt);
  if (currentIndex() < 0) return;
  const QRect r =
      style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
  desenha(p, r, palette().base(), palette().color(QPalette::Text), currentText(),
          cor(currentIndex()), true);
}

int tLISTAAJUSTES::alturatexto() const {
  QStyleOptionComboBox opt;
  initStyleOption(&opt);
  const QRect r =
      style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
  const int largura = std::max(40, r.width() - 25);
  return fontMetrics()
      .boundingRect(QRect(0, 0, largura, 10000), Qt::TextWordWrap, currentText())
      .height();
}

QSize tLISTAAJUSTES::sizeHint() const {
  QSize s = QComboBox::sizeHint();
  const int extra = alturatexto() - fontMetrics().height();
  if (extra > 0) s.rheight() += extra;
  return s;
}

QSize tLISTAAJUSTES::minimumSizeHint() const {
  QSize s = QComboBox::minimumSizeHint();
  s.setHeight(sizeHint().height());
  return s;
}

void tLISTAAJUSTES::resizeEvent(QResizeEvent* e) {
  QComboBox::resizeEvent(e);
  // The width decides how many lines the caption takes.
  if (sizeHint().height() != height()) updateGeometry();
}

void tLISTADELEGATE::paint(QPainter* p, const QStyleOptionViewItem& opt,
                           const QModelIndex& ix) const {
  const bool sel = (opt.state & QStyle::State_Selected) != 0;
  const QBrush fundo = sel ? opt.palette.highlight() : opt.palette.base();
  const QColor texto = opt.palette.color(sel ? QPalette::HighlightedText : QPalette::Text);
  p->setFont(opt.font);
  tLISTAAJUSTES::desenha(*p, opt.rect, fundo, texto, ix.data(Qt::DisplayRole).toString(),
                         ix.data(tLISTAAJUSTES::ROLE_COR).toInt());
}

}  // namespace tarvinel
