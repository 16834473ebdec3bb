#pragma once
// The chart's drawing surface in the coordination window: a plain widget
// with a cross-hair mouse cursor that hands its painting and its mouse to the
// window. The widget itself draws nothing of its own, so the screen shows
// exactly what drawcoord draws.

#include <QWidget>
#include <functional>

namespace tarvinel {

class tCANVAS;

class tPBCHART : public QWidget {
  Q_OBJECT

 public:
  explicit tPBCHART(QWidget* parent = nullptr);

  // Paints the whole surface (canvas, width, height).
  std::function<void(tCANVAS&, int, int)> desenha;
  // A mouse button pressed at a pixel of the surface.
  std::function<void(double, double, Qt::MouseButton)> clique;
  // The mouse moved over the surface.
  std::function<void(double, double)> move;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
};

}  // namespace tarvinel
