#include "gui/coordination/pbchart.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "platform/canvas_qt.h"

namespace tarvinel {

tPBCHART::tPBCHART(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pbCHART"));
  setCursor(Qt::CrossCursor);
  setMouseTracking(true);
  // Every pixel is painted by the chart (its background included).
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::WheelFocus);
}

void tPBCHART::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!desenha) return;
  tCANVASQT canvas(p, width(), height());
  desenha(canvas, width(), height());
}

void tPBCHART::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    inicio_ = e->position();
    botao_ = true;
    arrastando_ = false;
  }
  if (clique) clique(e->position().x(), e->position().y(), e->button());
}

void tPBCHART::mouseMoveEvent(QMouseEvent* e) {
  if (botao_ && (e->buttons() & Qt::LeftButton)) {
    const QPointF d = e->position() - inicio_;
    if (!arrastando_ && std::hypot(d.x(), d.y()) > kARRASTO) {
      arrastando_ = true;
      if (arrasta) arrasta(d.x(), d.y(), true);
    } else if (arrastando_ && arrasta) {
      arrasta(d.x(), d.y(), false);
    }
  }
  if (move) move(e->position().x(), e->position().y());
}

void tPBCHART::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    botao_ = false;
    arrastando_ = false;
  }
}

void tPBCHART::wheelEvent(QWheelEvent* e) {
  const int d = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
  if (roda && d != 0) roda(e->position().x(), e->position().y(), d, e->modifiers());
  e->accept();
}

void tPBCHART::keyPressEvent(QKeyEvent* e) {
  const int k = e->key();
  if (tecla && (k == Qt::Key_Plus || k == Qt::Key_Minus || k == Qt::Key_0 || k == Qt::Key_Equal)) {
    tecla(k);
    e->accept();
    return;
  }
  QWidget::keyPressEvent(e);
}

}  // namespace tarvinel
