#include "gui/coordination/pbchart.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/canvas_qt.h"

namespace tarvinel {

tPBCHART::tPBCHART(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pbCHART"));
  setCursor(Qt::CrossCursor);
  setMouseTracking(true);
  // Every pixel is painted by the chart (its background included).
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void tPBCHART::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!desenha) return;
  tCANVASQT canvas(p, width(), height());
  desenha(canvas, width(), height());
}

void tPBCHART::mousePressEvent(QMouseEvent* e) {
  if (clique) clique(e->position().x(), e->position().y(), e->button());
}

void tPBCHART::mouseMoveEvent(QMouseEvent* e) {
  if (move) move(e->position().x(), e->position().y());
}

}  // namespace tarvinel
