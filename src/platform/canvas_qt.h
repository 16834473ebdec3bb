#pragma once
// tCANVAS over a QPainter: one drawing serves a widget, a QImage, a printer
// page and a PDF page alike.
//
// The painter belongs to the caller, who begins and ends it. The surface sets
// the painter's pen, brush and composition mode for every call it draws, so
// the caller cannot rely on them afterwards; the transform and font are left
// as they were. Coordinates are the painter's logical coordinates, which are
// device pixels unless the caller transformed it.
//
// Device dependence is taken from the painter's device: font sizes in points
// become pixels with its vertical resolution (a 10-point font is 13 pixels on
// a 96 dpi screen and 167 on a 1200 dpi printer), line widths stay in pixels.
// A caller that scales the painter (the paper pixels of tPAGINASQT) gives the
// resolution of its own coordinates instead.
//
// "Courier New", asked for by the report and the summary page, whose columns
// are aligned by characters, falls back to the system's fixed-pitch font
// where the system has no fixed-pitch face of that name.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <optional>
#include <string_view>
#include <vector>

#include "core/chart/canvas.h"

namespace tarvinel {

// 0x00BBGGRR to an opaque QColor.
QColor qcolor(tCOR c);

// The mask pen mode (bitwise AND with the picture) on engines without raster
// operations (PDF, printers): c made as dark as needed and given the least
// opacity that still gives exactly c over white. Over darker colours it keeps
// them dark, as the AND does (black stays near black), so lines under a
// masked band stay visible.
QColor maskcolor(tCOR c);

// A text's kept width and layout (canvas_qt.cpp).
struct tTEXTO_QT;

class tCANVASQT : public tCANVAS {
 public:
  // The size is the painter's device size.
  explicit tCANVASQT(QPainter& painter);
  tCANVASQT(QPainter& painter, int width, int height);
  // Coordinates of dpi pixels to the inch (fonts are sized with it).
  tCANVASQT(QPainter& painter, int width, int height, int dpi);

  int width() const override { return w_; }
  int height() const override { return h_; }

  void polyline(const tPOINTI* pts, int count) override;
  void polygon(const tPOINTI* pts, int count) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void fillrect(int x1, int y1, int x2, int y2) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void textout(int x, int y, std::string_view text) override;
  int textwidth(std::string_view text) override;
  int textheight(std::string_view text) override;

  // The QFont the current tFONT becomes on this device.
  const QFont& qfont();

 protected:
  void drawline(tPOINTI from, tPOINTI to) override;
  void clipchanged() override;

 private:
  bool ready() const;
  QColor inkcolor(tCOR c) const;
  void usepen();
  void usebrush();
  const QFontMetrics& metrics();
  // The width of text in the current font, measured.
  int medida(std::string_view text);
  // On the raster engine, the kept width and layout of text in the current
  // font (made now when new); elsewhere null.
  tTEXTO_QT* guardado(std::string_view text);
  const QPoint* qpoints(const tPOINTI* pts, int count);

  QPainter& p_;
  int w_;
  int h_;
  int dpi_;
  // Mask pen mode: a true bitwise AND on the raster engine (images,
  // widgets), maskcolor elsewhere.
  bool rasterop_;
  // The raster engine, and the resolution of the device: text widths are
  // kept between drawings there.
  bool raster_ = false;
  int dpidev_ = 0;
  std::optional<tFONT> fontof_;  // the tFONT qfont_ and fm_ were made from
  QFont qfont_;
  std::optional<QFontMetrics> fm_;
  std::vector<QPoint> pts_;  // reused conversion buffer for polylines
};

}  // namespace tarvinel
