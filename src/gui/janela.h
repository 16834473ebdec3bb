#pragma once
// Small helpers shared by the windows: where a window opens, the green
// headings.

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace tarvinel {

// Moves the window to the middle of the screen the mouse is on (the primary
// one when there is none), whatever window called it.
inline void centraliza(QWidget& w) {
  QScreen* tela = QGuiApplication::screenAt(QCursor::pos());
  if (tela == nullptr) tela = QGuiApplication::primaryScreen();
  if (tela == nullptr) return;
  QRect r = w.frameGeometry();
  r.moveCenter(tela->availableGeometry().center());
  w.move(r.topLeft());
}

// The green bold heading over a part of a window.
inline QLabel* titulo_verde(const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00));
  l->setPalette(p);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

}  // namespace tarvinel
