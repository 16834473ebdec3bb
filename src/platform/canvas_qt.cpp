#include "platform/canvas_qt.h"

#include <fmt/format.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QStaticText>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace tarvinel {

namespace {

// Only the raster engine (images, widgets) really performs raster
// operations; the PDF engine claims them but paints the plain source.
bool hasrasterop(QPainter& p) {
  const QPaintEngine* e = p.paintEngine();
  return e != nullptr && e->type() == QPaintEngine::Raster &&
         e->hasFeature(QPaintEngine::RasterOpModes);
}

// Normalised box with the right and bottom edges exclusive; false when empty.
bool caixa(int x1, int y1, int x2, int y2, QRect& r) {
  const int l = std::min(x1, x2), rt = std::max(x1, x2);
  const int t = std::min(y1, y2), b = std::max(y1, y2);
  if (rt - l < 1 || b - t < 1) return false;
  r = QRect(l, t, rt - l, b - t);
  return true;
}

// Outline of the pixels of a box: QPainter strokes a rectangle one pixel
// wider and higher than its size, so the size is one less.
QRect contorno(const QRect& r) {
  return QRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
}

// "Courier New" when the system has it (or a fixed-pitch substitute under
// that name); otherwise the system's fixed-pitch font.
QFont fontemono() {
  static const QFont f = [] {
    QFont q(QStringLiteral("Courier New"));
    q.setStyleHint(QFont::SansSerif);
    if (QFontInfo(q).fixedPitch()) return q;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
  }();
  return f;
}

// Texts measured and laid out before on the raster engine (images,
// widgets): a chart measures and writes the same legends and labels at every
// repaint, and laying a text out is most of what either costs. Keyed by the
// font as the surface made it, the device's resolution and the text; the
// layout is made when the text is first written upright. Dropped whole when
// it grows past kMaxTextos, so it never grows without bound.
constexpr std::size_t kMaxTextos = 20000;

}  // namespace

struct tTEXTO_QT {
  int largura = 0;
  std::optional<QStaticText> estatico;
};

namespace {

std::unordered_map<std::string, tTEXTO_QT>& textos() {
  static std::unordered_map<std::string, tTEXTO_QT> m;
  return m;
}

}  // namespace

QColor qcolor(tCOR c) {
  const auto u = static_cast<std::uint32_t>(c);
  return QColor(u & 0xFF, (u >> 8) & 0xFF, (u >> 16) & 0xFF);
}

QColor maskcolor(tCOR c) {
  const QColor q = qcolor(c);
  const int ch[3] = {q.red(), q.green(), q.blue()};
  // The least opacity that can still reach c over white on every channel.
  const int falta = std::max({255 - ch[0], 255 - ch[1], 255 - ch[2]});
  if (falta == 0) return QColor(255, 255, 255, 0);  // AND with white changes nothing
  const double a = falta / 255.0;
  int v[3];
  for (int k = 0; k < 3; ++k)
    v[k] = std::clamp(static_cast<int>(std::lround(255 - (255 - ch[k]) / a)), 0, 255);
  return QColor(v[0], v[1], v[2], falta);
}

tCANVASQT::tCANVASQT(QPainter& painter)
    : tCANVASQT(painter, painter.device() ? painter.device()->width() : 0,
                painter.device() ? painter.device()->height() : 0) {}

tCANVASQT::tCANVASQT(QPainter& painter, int width, int height)
    : tCANVASQT(painter, width, height,
                painter.device() != nullptr && painter.device()->logicalDpiY() > 0
                    ? painter.device()->logicalDpiY()
                    : 96) {}

tCANVASQT::tCANVASQT(QPainter& painter, int width, int height, int dpi)
    : p_(painter), w_(width), h_(height), dpi_(dpi > 0 ? dpi : 96) {
  rasterop_ = hasrasterop(p_);
  const QPaintEngine* e = p_.paintEngine();
  raster_ = e != nullptr && e->type() == QPaintEngine::Raster;
  dpidev_ = p_.device() != nullptr ? p_.device()->logicalDpiY() : 0;
  // Lines are drawn pixel-exact, as the grid and the curves were designed.
  if (p_.isActive()) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
  }
  pts_.reserve(1024);
}

bool tCANVASQT::ready() const {
  return p_.isActive();
}

QColor tCANVASQT::inkcolor(tCOR c) const {
  return pen().mode == tPENMODE::mask && !rasterop_ ? maskcolor(c) : qcolor(c);
}

void tCANVASQT::usepen() {
  const tPEN& pn = pen();
  const int wid = std::max(1, pn.width);
  QPen q(inkcolor(pn.color));
  q.setWidth(wid);
  q.setCosmetic(false);
  q.setJoinStyle(Qt::MiterJoin);  // square corners on dashed frames
  // Dash patterns are in pen widths; these give the same dash length in
  // pixels whatever the width.
  switch (pn.style) {
    case tPENSTYLE::solid:
      q.setStyle(Qt::SolidLine);
      q.setCapStyle(wid > 1 ? Qt::RoundCap : Qt::SquareCap);
      q.setJoinStyle(wid > 1 ? Qt::RoundJoin : Qt::MiterJoin);
      break;
    case tPENSTYLE::dash:
      q.setCapStyle(Qt::FlatCap);
      q.setDashPattern({18.0 / wid, 6.0 / wid});
      break;
    case tPENSTYLE::dashdot:
      q.setCapStyle(Qt::FlatCap);
      q.setDashPattern({9.0 / wid, 6.0 / wid, 3.0 / wid, 6.0 / wid});
      break;
  }
  p_.setPen(q);
  p_.setCompositionMode(pn.mode == tPENMODE::mask && rasterop_
                            ? QPainter::RasterOp_SourceAndDestination
                            : QPainter::CompositionMode_SourceOver);
}

void tCANVASQT::usebrush() {
  if (brush().style == tBRUSHSTYLE::solid)
    p_.setBrush(QBrush(inkcolor(brush().color)));
  else
    p_.setBrush(Qt::NoBrush);
}

const QPoint* tCANVASQT::qpoints(const tPOINTI* pts, int count) {
  pts_.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) pts_[i] = QPoint(pts[i].x, pts[i].y);
  return pts_.data();
}

void tCANVASQT::clipchanged() {
  if (!ready()) return;
  const tRECTI& c = clip();
  QRect r;
  if (!hasclip())
    p_.setClipping(false);
  else if (caixa(c.left, c.top, c.right, c.bottom, r))
    p_.setClipRect(r);
  else
    p_.setClipRect(QRect(0, 0, 0, 0));  // an empty box lets nothing through
}

void tCANVASQT::drawline(tPOINTI from, tPOINTI to) {
  if (!ready()) return;
  usepen();
  p_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void tCANVASQT::polyline(const tPOINTI* pts, int count) {
  if (!ready() || pts == nullptr || count < 2) return;
  usepen();
  p_.drawPolyline(qpoints(pts, count), count);
}

void tCANVASQT::polygon(const tPOINTI* pts, int count) {
  if (!ready() || pts == nullptr || count < 2) return;
  usepen();
  usebrush();
  p_.drawPolygon(qpoints(pts, count), count);
}

void tCANVASQT::rectangle(int x1, int y1, int x2, int y2) {
  QRect r;
  if (!ready() || !caixa(x1, y1, x2, y2, r)) return;
  usepen();
  usebrush();
  p_.drawRect(contorno(r));
}

void tCANVASQT::fillrect(int x1, int y1, int x2, int y2) {
  QRect r;
  if (!ready() || brush().style == tBRUSHSTYLE::clear || !caixa(x1, y1, x2, y2, r)) return;
  // A plain fill: the pen mode does not apply.
  p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p_.fillRect(r, qcolor(brush().color));
}

void tCANVASQT::ellipse(int x1, int y1, int x2, int y2) {
  QRect r;
  if (!ready() || !caixa(x1, y1, x2, y2, r)) return;
  usepen();
  usebrush();
  p_.drawEllipse(contorno(r));
}

const QFont& tCANVASQT::qfont() {
  if (!fontof_ || *fontof_ != font()) {
    const tFONT& f = font();
    QFont q(QString::fromStdString(f.name));
    q.setStyleHint(QFont::SansSerif);
    if (f.name == "Courier New") q = fontemono();
    // Points to pixels with the device's resolution, rounded to the nearest
    // pixel as the classic device contexts do.
    const double px = std::round(static_cast<double>(f.size) * dpi_ / 72.0);
    q.setPixelSize(static_cast<int>(std::clamp(px, 1.0, 10000.0)));
    q.setBold(f.bold);
    qfont_ = q;
    fm_.reset();
    fontof_ = f;
  }
  return qfont_;
}

const QFontMetrics& tCANVASQT::metrics() {
  const QFont& f = qfont();
  if (!fm_) {
    QPaintDevice* d = p_.device();
    if (d != nullptr)
      fm_.emplace(f, d);
    else
      fm_.emplace(f);
  }
  return *fm_;
}

tTEXTO_QT* tCANVASQT::guardado(std::string_view text) {
  if (!raster_) return nullptr;
  const QFont& f = qfont();
  std::string chave = f.family().toStdString();
  chave += fmt::format("\x1f{}\x1f{}\x1f{}\x1f", f.pixelSize(), f.bold() ? 1 : 0, dpidev_);
  chave += text;
  auto& m = textos();
  if (const auto it = m.find(chave); it != m.end()) return &it->second;
  if (m.size() >= kMaxTextos) m.clear();
  tTEXTO_QT& t = m[std::move(chave)];
  t.largura = medida(text);
  return &t;
}

int tCANVASQT::medida(std::string_view text) {
  return metrics().horizontalAdvance(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int tCANVASQT::textwidth(std::string_view text) {
  const tTEXTO_QT* t = guardado(text);
  return t != nullptr ? t->largura : medida(text);
}

int tCANVASQT::textheight(std::string_view) {
  return metrics().height();
}

void tCANVASQT::textout(int x, int y, std::string_view text) {
  if (!ready()) return;
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics& fm = metrics();
  tTEXTO_QT* t = guardado(text);
  p_.save();
  p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  // The origin is the top-left corner of the upright text; the orientation
  // turns the text counter-clockwise around it.
  p_.translate(x, y);
  if (font().orientation != 0) p_.rotate(-font().orientation / 10.0);
  if (brush().style == tBRUSHSTYLE::solid)
    p_.fillRect(QRect(0, 0, t != nullptr ? t->largura : fm.horizontalAdvance(s), fm.height()),
                qcolor(brush().color));
  p_.setFont(qfont_);
  p_.setPen(qcolor(font().color));
  if (t != nullptr && font().orientation == 0) {
    if (!t->estatico) {
      QStaticText& st = t->estatico.emplace(s);
      st.setTextFormat(Qt::PlainText);
      st.setPerformanceHint(QStaticText::AggressiveCaching);
      st.prepare(QTransform(), qfont_);
    }
    p_.drawStaticText(QPoint(0, 0), *t->estatico);
  } else {
    p_.drawText(QPoint(0, fm.ascent()), s);
  }
  p_.restore();
}

}  // namespace tarvinel
