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
  // The wheel turned at a pixel: angle in eighths of a degree (120 a notch,
  // positive away from the user), with the keyboard modifiers.
  std::function<void(double, double, int, Qt::KeyboardModifiers)> roda;
  // The left button held and moved more than kARRASTO pixels from where it
  // was pressed: the offset from that point; `comeca` on the first call of
  // the drag. A press without such a move stays a click.
  std::function<void(double, double, bool)> arrasta;
  // A key pressed while the surface has the focus (a click or the wheel
  // gives it).
  std::function<void(int)> tecla;

  static constexpr int kARRASTO = 4;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QPointF inicio_;           // where the left button went down
  bool botao_ = false;       // the left button is down
  bool arrastando_ = false;  // and the move became a drag
};

}  // namespace tarvinel
