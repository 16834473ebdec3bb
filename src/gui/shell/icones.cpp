#include "gui/shell/icones.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace tarvinel {

namespace {

// Every figure is drawn on a 32 × 32 grid; the painter scales it.
void folha(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 90), 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4, 3, 24, 26));
}

void grade_log(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(200, 200, 210), 0.8));
  for (double f : {0.33, 0.66}) {
    p.drawLine(QPointF(r.left() + f * r.width(), r.top()),
               QPointF(r.left() + f * r.width(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.top() + f * r.height()),
               QPointF(r.right(), r.top() + f * r.height()));
  }
}

void coordenograma(QPainter& p) {
  folha(p);
  const QRectF r(6, 5, 20, 22);
  grade_log(p, r);
  QPainterPath a;
  a.moveTo(8, 6);
  a.cubicTo(10, 18, 14, 21, 25, 22);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 60, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(a);
  QPainterPath b;
  b.moveTo(12, 6);
  b.cubicTo(14, 13, 17, 16, 25, 17);
  p.setPen(QPen(QColor(210, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(b);
}

void calculadora(QPainter& p) {
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(QColor(70, 75, 85));
  p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
  p.setBrush(QColor(150, 220, 150));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(9, 5, 14, 6));
  p.setPen(QPen(QColor(20, 80, 20), 1.4));
  p.drawLine(QPointF(15, 8), QPointF(21, 8));
  p.setPen(Qt::NoPen);
  for (int l = 0; l < 4; ++l)
    for (int c = 0; c < 3; ++c) {
      p.setBrush(l == 3 && c == 2 ? QColor(240, 140, 40) : QColor(225, 225, 225));
      p.drawRect(QRectF(9 + c * 5, 13.5 + l * 4, 3.6, 2.8));
    }
}

void cronometro(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(QColor(120, 120, 120));
  p.drawRect(QRectF(14, 2, 4, 4));
  p.setBrush(QColor(240, 140, 40));
  p.drawEllipse(QPointF(16, 18), 12, 12);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(16, 18), 9, 9);
  p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 18), QPointF(21, 12));
  p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 18), QPointF(16, 11));
}

void pasta(QPainter& p) {
  p.setPen(QPen(QColor(150, 110, 20), 1.2));
  p.setBrush(QColor(230, 180, 60));
  QPainterPath fundo;
  fundo.moveTo(3, 8);
  fundo.lineTo(12, 8);
  fundo.lineTo(14, 11);
  fundo.lineTo(27, 11);
  fundo.lineTo(27, 27);
  fundo.lineTo(3, 27);
  fundo.closeSubpath();
  p.drawPath(fundo);
  p.setBrush(QColor(250, 210, 90));
  QPainterPath frente;
  frente.moveTo(3, 27);
  frente.lineTo(7, 15);
  frente.lineTo(30, 15);
  frente.lineTo(27, 27);
  frente.closeSubpath();
  p.drawPath(frente);
}

void disquete(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 100), 1.2));
  p.setBrush(QColor(40, 90, 190));
  QPainterPath d;
  d.moveTo(4, 4);
  d.lineTo(24, 4);
  d.lineTo(28, 8);
  d.lineTo(28, 28);
  d.lineTo(4, 28);
  d.closeSubpath();
  p.drawPath(d);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 205, 215));
  p.drawRect(QRectF(9, 4.6, 13, 8));
  p.setBrush(QColor(40, 90, 190));
  p.drawRect(QRectF(17, 6, 3, 5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(8, 17, 16, 10));
  p.setPen(QPen(QColor(150, 150, 150), 0.8));
  p.drawLine(QPointF(10, 20), QPointF(22, 20));
  p.drawLine(QPointF(10, 23), QPointF(22, 23));
}

void lapis(QPainter& p) {
  p.save();
  p.translate(22, 22);
  p.rotate(-45);
  p.setPen(QPen(QColor(60, 40, 0), 1));
  p.setBrush(QColor(250, 200, 40));
  p.drawRect(QRectF(-2.5, -12, 5, 16));
  p.setBrush(QColor(240, 200, 160));
  QPainterPath ponta;
  ponta.moveTo(-2.5, 4);
  ponta.lineTo(2.5, 4);
  ponta.lineTo(0, 9);
  ponta.closeSubpath();
  p.drawPath(ponta);
  p.restore();
}

void impressora(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 3, 14, 10));
  p.setBrush(QColor(150, 155, 165));
  p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 19, 14, 10));
  p.setPen(QPen(QColor(140, 140, 140), 0.8));
  p.drawLine(QPointF(11, 23), QPointF(21, 23));
  p.drawLine(QPointF(11, 26), QPointF(21, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 200, 60));
  p.drawEllipse(QPointF(25, 15), 1.3, 1.3);
}

// A curved arrow turning back to the left (undo), or mirrored (redo).
void seta_volta(QPainter& p, bool espelha) {
  p.save();
  if (espelha) {
    p.translate(32, 0);
    p.scale(-1, 1);
  }
  QPainterPath arco;
  arco.moveTo(9, 13);
  arco.cubicTo(14, 6, 27, 8, 26, 18);
  arco.cubicTo(25, 25, 18, 27, 13, 26);
  p.setPen(QPen(QColor(40, 90, 170), 3.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arco);
  QPainterPath ponta;
  ponta.moveTo(3, 14);
  ponta.lineTo(13, 6);
  ponta.lineTo(14, 18);
  ponta.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 90, 170));
  p.drawPath(ponta);
  p.restore();
}

void programa(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(25, 70, 140));
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 5, 21, 21));
  grade_log(p, QRectF(6, 5, 21, 21));
  p.setPen(QPen(QColor(25, 70, 140), 1.4));
  p.drawLine(QPointF(6, 5), QPointF(6, 26));
  p.drawLine(QPointF(6, 26), QPointF(27, 26));
  p.setBrush(Qt::NoBrush);
  QPainterPath a;
  a.moveTo(8, 6);
  a.cubicTo(10, 18, 15, 21, 26, 22);
  p.setPen(QPen(QColor(20, 60, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(a);
  QPainterPath b;
  b.moveTo(12, 6);
  b.cubicTo(14, 13, 18, 15, 26, 16);
  p.setPen(QPen(QColor(220, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(b);
}

void desenha(QPainter& p, tFIGURA f) {
  switch (f) {
    case tFIGURA::novocalc:
      calculadora(p);
      break;
    case tFIGURA::novocoord:
      coordenograma(p);
      break;
    case tFIGURA::ensaio:
      cronometro(p);
      break;
    case tFIGURA::abrir:
      pasta(p);
      break;
    case tFIGURA::salvar:
      disquete(p);
      break;
    case tFIGURA::salvarcomo:
      disquete(p);
      lapis(p);
      break;
    case tFIGURA::imprimir:
      impressora(p);
      break;
    case tFIGURA::programa:
      programa(p);
      break;
    case tFIGURA::desfazer:
      seta_volta(p, false);
      break;
    case tFIGURA::refazer:
      seta_volta(p, true);
      break;
  }
}

}  // namespace

QPixmap figura_pixmap(tFIGURA f, int lado) {
  QPixmap pm(lado, lado);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(lado / 32.0, lado / 32.0);
  desenha(p, f);
  return pm;
}

namespace {

// Paints the figure at whatever size is asked, so every size is sharp; a
// disabled action gets the platform's greyed form of the pixmap.
class tFIGURAENGINE : public QIconEngine {
 public:
  explicit tFIGURAENGINE(tFIGURA f) : f_(f) {}

  void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State state) override {
    p->drawPixmap(r, pixmap(r.size(), mode, state));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    const int lado = std::max(1, std::min(size.width(), size.height()));
    QPixmap pm = figura_pixmap(f_, lado);
    if (mode == QIcon::Disabled) {
      QStyleOption opt;
      pm = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pm, &opt);
    }
    return pm;
  }

  QIconEngine* clone() const override { return new tFIGURAENGINE(f_); }

 private:
  tFIGURA f_;
};

}  // namespace

QIcon figura(tFIGURA f) {
  return QIcon(new tFIGURAENGINE(f));
}

QIcon figura_doc(const std::string& extdef) {
  if (extdef == "coord") return figura(tFIGURA::novocoord);
  if (extdef == "ajuste") return figura(tFIGURA::novocalc);
  if (extdef == "ens") return figura(tFIGURA::ensaio);
  return figura(tFIGURA::programa);
}

}  // namespace tarvinel
