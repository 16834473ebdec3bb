#include "core/chart/chartx.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <utility>

#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

// Bounds every grid loop; a finite range of limits needs far fewer lines (nine
// per decade), so this only guards against limits nobody checked.
constexpr int kMaxGridLines = 10000;

// A real point has a place on the log-log axes only with both coordinates
// positive (NaN is not).
bool placeable(tPOINTX rl) {
  return rl.x > 0 && rl.y > 0;
}

bool isnanpt(tPOINTX p) {
  return std::isnan(p.x) || std::isnan(p.y);
}

}  // namespace

tCHARTX::tCHARTX() {
  setwh(200, 200, 50);
}

int tCHARTX::pix(double v) {
  if (std::isnan(v)) return 0;
  if (v > kPixMax) return kPixMax;
  if (v < -kPixMax) return -kPixMax;
  return static_cast<int>(v);  // truncation towards zero
}

void tCHARTX::setwh(int nw, int nh, int folga) {
  w = nw < 200 ? 200 : nw;
  h = nh < 200 ? 200 : nh;
  window.xl = std::trunc(1.5 * folga);
  window.xh = w - folga;
  window.yl = folga;
  window.yh = h - folga;
}

const tCHARTX::tMAPA& tCHARTX::mapa() const {
  const bool igual = mapa_.ok && mapa_.lim.xl == limites.xl && mapa_.lim.xh == limites.xh &&
                     mapa_.lim.yl == limites.yl && mapa_.lim.yh == limites.yh &&
                     mapa_.win.xl == window.xl && mapa_.win.xh == window.xh &&
                     mapa_.win.yl == window.yl && mapa_.win.yh == window.yh;
  if (!igual) {
    mapa_.lim = limites;
    mapa_.win = window;
    mapa_.dx = std::log10(limites.xh / limites.xl);
    mapa_.dy = std::log10(limites.yh / limites.yl);
    mapa_.w1 = window.width() - 1;
    mapa_.h1 = window.height() - 1;
    mapa_.colunas.clear();
    mapa_.ok = true;
  }
  return mapa_;
}

tPOINTX tCHARTX::rl2px(tPOINTX rl) const {
  if (std::isnan(rl.x) || std::isnan(rl.y)) return {NAN, NAN};
  if (rl.x <= 0 || rl.y <= 0) return {0, 0};
  const tMAPA& m = mapa();
  tPOINTX px;
  px.x = std::log10(rl.x / limites.xl) / m.dx * m.w1 + window.xl;
  px.y = rl2pxy(rl.y);
  return px;
}

double tCHARTX::rl2pxy(double rly) const {
  const tMAPA& m = mapa();
  const double py = std::log10(rly / limites.yl) / m.dy * m.h1 + window.yl;
  return h - py - 1;
}

double tCHARTX::px2rlx(double pxx) const {
  const double W = window.width();
  return limites.xl * std::pow(10.0, mapa().dx * (pxx - window.xl) / (W - 1));
}

const std::vector<double>& tCHARTX::colunas(int n) const {
  mapa();  // a new mapping drops the currents of the old one
  std::vector<double>& c = mapa_.colunas;
  if (static_cast<int>(c.size()) != n) {
    const double W = window.width();
    c.resize(static_cast<std::size_t>(std::max(n, 0)));
    for (int k = 0; k < n; ++k) c[k] = px2rlx(W * k / n + window.xl);
  }
  return c;
}

tPOINTX tCHARTX::px2rl(tPOINTX px) const {
  const tMAPA& m = mapa();
  const double H = window.height();
  const double yy = h - px.y - 1;
  tPOINTX rl;
  rl.x = px2rlx(px.x);
  rl.y = limites.yl * std::pow(10.0, m.dy * (yy - window.yl) / (H - 1));
  return rl;
}

void tCHARTX::moveto(tPOINTX rl) {
  if (canvas == nullptr) return;
  const tPOINTX p = rl2px(rl);
  if (!placeable(rl) || isnanpt(p)) {
    // The next lineto starts a new line instead of joining this one.
    haspos_ = false;
    return;
  }
  canvas->moveto(pix(p.x), pix(p.y));
  haspos_ = true;
  marca(rl);
}

void tCHARTX::marca(tPOINTX rl) {
  if (registro != nullptr && placeable(rl)) registro->push_back(rl);
}

void tCHARTX::lineto(tPOINTX rl) {
  if (canvas == nullptr) return;
  const tPOINTX p = rl2px(rl);
  // A point without a place is left out: the next line joins its neighbours,
  // as a gap in the polyline buffer does.
  if (!placeable(rl) || isnanpt(p)) return;
  if (haspos_)
    canvas->lineto(pix(p.x), pix(p.y));
  else
    canvas->moveto(pix(p.x), pix(p.y));
  haspos_ = true;
  marca(rl);
}

void tCHARTX::pushline(tPOINTX rl) {
  poe(rl, rl2px(rl));
}

void tCHARTX::pushline(tPOINTX rl, double pxx) {
  poe(rl, tPOINTX{pxx, rl2pxy(rl.y)});
}

void tCHARTX::poe(tPOINTX rl, tPOINTX p) {
  if (!placeable(rl) || isnanpt(p)) return;
  if (linecount < 0) linecount = 0;
  if (linecount >= kLineBuf - 1) {
    // flushline shifts dashed points; keep the last point as it was mapped.
    const int u = std::min<int>(linecount, kLineBuf) - 1;
    const tPOINTI last = linebuf[u];
    const tPOINTX lastx = linebufx_[u];
    flushline();
    linebuf[0] = last;
    linebufx_[0] = lastx;
    linecount = 1;
  }
  linebufx_[linecount] = {std::clamp<double>(p.x, -kPixMax, kPixMax),
                          std::clamp<double>(p.y, -kPixMax, kPixMax)};
  linebuf[linecount++] = {pix(p.x), pix(p.y)};
  marca(rl);
}

namespace {

// Cuts the segment a-b to the box (Liang-Barsky); false when nothing is left.
bool cortasegmento(double x0, double y0, double x1, double y1, const tRECTX& c, tPOINTX& a,
                   tPOINTX& b) {
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - c.xl, c.xh - x0, y0 - c.yl, c.yh - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
    if (t0 > t1) return false;
  }
  a = {x0 + t0 * dx, y0 + t0 * dy};
  b = {x0 + t1 * dx, y0 + t1 * dy};
  return true;
}

// Leaves out the points of pts[0..n) that lie within half a pixel of the
// segment that replaces them, so the stroke covers the same pixels with far
// fewer joins. Returns the new count; the first and last points always stay.
// The points are the mapped ones before truncation, so a smooth curve stays
// smooth and long stretches of it become one segment.
//
// One pass: from the last point kept (the anchor), a run of points that
// advance along x in one direction is replaced by one segment while a slope
// exists that passes within half a pixel, measured vertically, of every
// point of the run. A vertical distance is never less than the distance to
// the line, so no point moves more than half a pixel. A point that steps
// back along x, or that no slope can serve, ends the run at the point before
// it. Runs along a column are handled the same way with the axes swapped.
int simplifica(tPOINTX* pts, int n) {
  if (n <= 2) return n;
  constexpr double kTOL = 0.5;
  int m = 1;  // pts[0, m) are the points kept; pts[m - 1] is the anchor
  int i = 1;
  while (i < n) {
    const tPOINTX a = pts[m - 1];
    int ultimo = i;  // last point of the run that the segment may end at
    double lo = -HUGE_VAL, hi = HUGE_VAL;
    // The axis the run advances along and its direction, from the run's
    // first point that leaves the anchor.
    int eixo = -1;
    double sentido = 0, uant = 0;
    for (int k = i; k < n; ++k) {
      const double dx = pts[k].x - a.x, dy = pts[k].y - a.y;
      if (eixo < 0) {
        if (dx == 0 && dy == 0) {
          ultimo = k;
          continue;
        }
        eixo = std::fabs(dx) >= std::fabs(dy) ? 0 : 1;
        sentido = (eixo == 0 ? dx : dy) > 0 ? 1 : -1;
      }
      // Along the run's axis (u) and across it (v).
      const double u = (eixo == 0 ? dx : dy) * sentido;
      const double v = eixo == 0 ? dy : dx;
      if (u <= 0 || u < uant) break;
      uant = u;
      const double sl = v / u;
      if (sl < lo || sl > hi) break;  // the segment to k would miss a point
      lo = std::max(lo, (v - kTOL) / u);
      hi = std::min(hi, (v + kTOL) / u);
      ultimo = k;
    }
    pts[m++] = pts[ultimo];
    i = ultimo + 1;
  }
  return m;
}

}  // namespace

void tCHARTX::desenhapoli(tPOINTI* pts, int n) {
  canvas->polyline(pts, n);
  if (canvas->pen().style != tPENSTYLE::dash) return;
  for (int k = 0; k < linhafina; ++k) {
    for (int i = 0; i < n; ++i)
      if (pts[i].x < INT_MAX) ++pts[i].x;
    canvas->polyline(pts, n);
  }
}

void tCHARTX::flushline() {
  const int n = std::min<int>(linecount, kLineBuf);
  linecount = 0;
  if (n <= 0 || canvas == nullptr) return;
  if (!recorte) {
    desenhapoli(linebuf.data(), n);
    return;
  }
  // The window widened by the thickest pen and the dashed shifts, so that the
  // surface's clip box, not this cut, makes the edge.
  const double m = std::max(linhagrossa, linhafina) + linhafina + 4;
  const tRECTX c{window.xl - m, window.xh + m, window.yl - m, window.yh + m};
  // Each piece inside the box is cut, thinned and drawn at the truncated
  // pixels of the points it keeps, as the buffer holds them.
  std::vector<tPOINTX>& pedaco = pedaco_;
  std::vector<tPOINTI>& pontos = pontos_;
  pedaco.clear();
  auto solta = [&] {
    if (pedaco.size() >= 2) {
      const int k = simplifica(pedaco.data(), static_cast<int>(pedaco.size()));
      pontos.resize(static_cast<std::size_t>(k));
      for (int i = 0; i < k; ++i) pontos[i] = {pix(pedaco[i].x), pix(pedaco[i].y)};
      desenhapoli(pontos.data(), k);
    }
    pedaco.clear();
  };
  auto dentro = [&](tPOINTX p) { return p.x >= c.xl && p.x <= c.xh && p.y >= c.yl && p.y <= c.yh; };
  if (n == 1) {
    if (dentro(linebufx_[0])) desenhapoli(linebuf.data(), 1);
    return;
  }
  for (int i = 1; i < n; ++i) {
    const tPOINTX p0 = linebufx_[i - 1], p1 = linebufx_[i];
    if (dentro(p0) && dentro(p1)) {
      if (pedaco.empty()) pedaco.push_back(p0);
      pedaco.push_back(p1);
      continue;
    }
    tPOINTX a, b;
    if (!cortasegmento(p0.x, p0.y, p1.x, p1.y, c, a, b)) {
      solta();
      continue;
    }
    if (pedaco.empty() || !(pedaco.back().x == a.x && pedaco.back().y == a.y)) {
      solta();
      pedaco.push_back(a);
    }
    pedaco.push_back(b);
    if (!dentro(p1)) solta();
  }
  solta();
}

void tCHARTX::puttext(double x, double y, const std::string& s, int al, bool rlorpx) {
  if (canvas == nullptr) return;
  tPOINTX p{x, y};
  if (rlorpx) p = rl2px(p);
  if (isnanpt(p)) return;
  const double tw = canvas->textwidth(s);
  const double th = canvas->textheight(s);
  switch (al) {
    case 1:
      p.x -= tw / 2;
      p.y -= th / 2;
      break;
    case 100:
      p.x += canvas->textwidth("a");
      p.y -= 2 * th;
      break;
    case 101:
      p.x += 3.0 * canvas->textwidth("a");
      p.y -= th;
      break;
    default:
      break;
  }
  const int ix = pix(p.x), iy = pix(p.y);
  const int ori = canvas->font().orientation;
  if (!juntarotulos || (ori != 0 && ori != 900)) {
    canvas->textout(ix, iy, s);
    return;
  }
  tROTULO r;
  r.x = ix;
  r.y = iy;
  const int itw = static_cast<int>(tw), ith = static_cast<int>(th);
  // Upright: the box right and down of the corner; running upwards: the text
  // turns about its corner, so the box lies right of it and above.
  r.caixa = ori == 0 ? tRECTI{ix, iy, ix + itw, iy + ith} : tRECTI{ix, iy - itw, ix + ith, iy};
  r.texto = s;
  r.font = canvas->font();
  r.brush = canvas->brush();
  r.grupo = grupo;
  r.fixo = rotulofixo;
  rotulos_.push_back(std::move(r));
}

void tCHARTX::circle(tPOINTX rlc, double r) {
  if (canvas == nullptr || !std::isfinite(r)) return;
  const tPOINTX p = rl2px(rlc);
  if (!placeable(rlc) || isnanpt(p)) return;
  canvas->ellipse(pix(p.x - r), pix(p.y - r), pix(p.x + r), pix(p.y + r));
  marca(rlc);
}

void tCHARTX::defaultpen() {
  if (canvas == nullptr) return;
  canvas->setpen(tPEN{1, clBlack, tPENSTYLE::solid, tPENMODE::copy});
  canvas->setbrush(tBRUSH{clWhite, tBRUSHSTYLE::solid});
  canvas->setfontcolor(clBlack);
  canvas->setfontorientation(0);
  canvas->setfontsize(printing ? 8 : 10);
  canvas->setfontbold(true);
}

namespace {

// A grid line of a range under two decades that is labelled too.
bool sublinha(double b) {
  return b == 2 || b == 3 || b == 5;
}

// Less than `decadas` decades between the limits.
bool faixacurta(double lo, double hi, double decadas) {
  return lo > 0 && hi > lo && std::log10(hi / lo) < decadas - 1e-9;
}

// A time as the axis writes it: as many decimals as its first digit needs
// ("0.01s", "0.3s", "2s", "300s").
std::string textotempo(double s) {
  int dec = 0;
  while (dec < 6 && std::fabs(s * std::pow(10.0, dec) - std::round(s * std::pow(10.0, dec))) >
                        1e-9 * std::pow(10.0, dec))
    ++dec;
  if (dec == 0) return fmt::sprintf("%ds", trunca(std::round(s)));
  return fmt::sprintf("%.*fs", dec, s);
}

}  // namespace

void tCHARTX::currentgrid() {
  const double xl = limites.xl;
  const double xh = limites.xh;
  if (!(std::isfinite(xl) && std::isfinite(xh) && xl > 0 && xh >= xl)) return;
  const bool sub = subrotulos && faixacurta(xl, xh, 2);
  const bool todas = subrotulos && faixacurta(xl, xh, 1);
  // b: leading digit of the integer part of the lower limit (0 below 1 A).
  double b = std::trunc(xl);
  while (b >= 10) b = std::trunc(b / 10);
  int q = static_cast<int>(std::trunc(std::log10(xl)));
  if (printing) canvas->setpenwidth(2);
  double s = std::pow(10.0, q) * b;
  int fimrotulo = INT_MIN;  // right edge of the last label written
  for (int n = 0; n < kMaxGridLines; ++n) {
    canvas->setpencolor(b == 1 ? clBlack : clGrade);
    // With a lower limit below 1 A the walk starts at 0, which has no place;
    // a lower limit between two lines starts it left of the window.
    if (s > 0 && s >= xl * (1 - 1e-12)) {
      moveto(s, limites.yl);
      lineto(s, limites.yh);
      const tPOINTX p = rl2px(s, limites.yl);
      if ((b == 1 || (sub && sublinha(b)) || todas) && !isnanpt(p)) {
        double v = s;
        if (curveditor) v *= mul_vis;
        std::string txt;
        if (curveditor)
          txt = fmt::sprintf("%d", trunca(v));
        else if (v >= 1000)
          txt = fmt::sprintf("%dkA", trunca(v / 1000));
        else if (v >= 1)
          txt = fmt::sprintf("%dA", trunca(v));
        else
          txt = fmt::sprintf("%gA", v);
        const double tw = canvas->textwidth(txt);
        const int x = pix(p.x - tw / 2);
        const int gap = canvas->textwidth("a");
        if (b == 1 || x > fimrotulo + gap) {
          canvas->textout(x, pix(p.y + 10), txt);
          fimrotulo = x + static_cast<int>(tw);
        }
      }
    }
    b += 1;
    if (b == 10) {
      b = 1;
      ++q;
    }
    s = std::pow(10.0, q) * b;
    if (!(s <= xh * (1 + 1e-12))) break;
  }
}

void tCHARTX::timegrid() {
  const double yl = limites.yl;
  const double yh = limites.yh;
  if (std::isnan(yh) || std::isinf(yh)) return;
  const bool sub = subrotulos && faixacurta(yl, yh, 2);
  const bool todas = subrotulos && faixacurta(yl, yh, 1);
  // The time grid starts at 0.01 s (or, for a range starting higher, at the
  // last line at or below its lower limit) and ends at the first line at or
  // above the upper limit.
  int i = 1;
  int q = 0;
  if (std::isfinite(yl) && yl > 0.01) {
    q = static_cast<int>(std::floor(std::log10(yl / 0.01) + 1e-12));
    i = static_cast<int>(std::floor(yl / (std::pow(10.0, q) / 100) + 1e-9));
    i = std::clamp(i, 1, 9);
  }
  int fimrotulo = INT_MAX;  // top edge of the last label written
  for (int n = 0; n < kMaxGridLines; ++n) {
    const double s = std::pow(10.0, q) * i / 100;
    const bool nafaixa = s >= yl * (1 - 1e-12) && s <= yh * (1 + 1e-12);
    // Below the lower limit nothing is drawn; above the upper one only the
    // last line, and not when curves are cut at the frame.
    const bool desenha = !(s < yl * (1 - 1e-12)) && (nafaixa || !recorte);
    canvas->setpencolor(i == 1 ? clBlack : clGrade);
    if (desenha) {
      moveto(limites.xl, s);
      lineto(limites.xh, s);
    }
    const tPOINTX p = rl2px(limites.xl, s);
    if (desenha && (i == 1 || ((todas || (sub && sublinha(i))) && nafaixa)) && !isnanpt(p)) {
      std::string txt;
      if (q == 0 && i == 1)
        txt = "0.01s";
      else if (q == 1 && i == 1)
        txt = "0.1s";
      else if (i == 1)
        txt = fmt::sprintf("%ds", trunca(s));
      else
        txt = textotempo(s);
      const double tw = canvas->textwidth(txt);
      const double th = canvas->textheight(txt);
      const int y = pix(p.y - th / 2);
      if (i == 1 || y + static_cast<int>(th) < fimrotulo) {
        canvas->textout(pix(p.x - tw - 5), y, txt);
        fimrotulo = y;
      }
    }
    ++i;
    if (i == 10) {
      i = 1;
      ++q;
    }
    if (!(s < yh)) break;
  }
}

void tCHARTX::poerotulos() {
  std::vector<tROTULO> rot = std::move(rotulos_);
  rotulos_.clear();
  if (canvas == nullptr || rot.empty()) return;
  const tRECTI jan{pix(window.xl), pix(window.yl), pix(window.xh), pix(window.yh)};
  auto cruza = [](const tRECTI& a, const tRECTI& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  };
  auto desloca = [](tRECTI r, int dx, int dy) {
    return tRECTI{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
  };
  // Blocks: the lines of one item written one under the other move as one.
  struct tBLOCO {
    int de, ate;  // labels [de, ate)
    tRECTI caixa;
    int dx = 0, dy = 0;
  };
  std::vector<tBLOCO> blocos;
  for (int k = 0; k < static_cast<int>(rot.size()); ++k) {
    const tRECTI& c = rot[k].caixa;
    if (!blocos.empty()) {
      tBLOCO& u = blocos.back();
      const tROTULO& ant = rot[k - 1];
      const bool empilha = ant.grupo == rot[k].grupo && ant.fixo == rot[k].fixo &&
                           ant.font.orientation == 0 && rot[k].font.orientation == 0 &&
                           std::abs(c.top - ant.caixa.bottom) <= 2 && c.left < ant.caixa.right &&
                           ant.caixa.left < c.right;
      if (empilha) {
        u.ate = k + 1;
        u.caixa = {std::min(u.caixa.left, c.left), std::min(u.caixa.top, c.top),
                   std::max(u.caixa.right, c.right), std::max(u.caixa.bottom, c.bottom)};
        continue;
      }
    }
    blocos.push_back({k, k + 1, c});
  }
  // Fixed labels are placed first, where they are.
  std::vector<tRECTI> postos;
  postos.reserve(blocos.size());
  for (const tBLOCO& b : blocos)
    if (rot[b.de].fixo) postos.push_back(b.caixa);
  std::vector<tRECTI> perto;
  std::vector<int> passos;
  std::vector<std::pair<int, int>> cobre;
  for (tBLOCO& b : blocos) {
    if (rot[b.de].fixo) continue;
    // A label running over the frame comes inside first, where it fits,
    // when its point is inside; one whose point is outside stays cut.
    const int mx = (b.caixa.left + b.caixa.right) / 2, my = (b.caixa.top + b.caixa.bottom) / 2;
    const bool nojan = mx >= jan.left && mx < jan.right && my >= jan.top && my < jan.bottom;
    if (nojan && b.caixa.right - b.caixa.left <= jan.right - jan.left && b.caixa.left < jan.right &&
        jan.left < b.caixa.right) {
      if (b.caixa.left < jan.left) b.dx = jan.left - b.caixa.left + linhagrossa;
      if (b.caixa.right > jan.right) b.dx = jan.right - b.caixa.right - linhagrossa;
    }
    if (nojan && b.caixa.bottom - b.caixa.top <= jan.bottom - jan.top && b.caixa.top < jan.bottom &&
        jan.top < b.caixa.bottom) {
      if (b.caixa.top < jan.top) b.dy = jan.top - b.caixa.top + linhagrossa;
      if (b.caixa.bottom > jan.bottom) b.dy = jan.bottom - b.caixa.bottom - linhagrossa;
    }
    const tRECTI r = desloca(b.caixa, b.dx, b.dy);
    const int dx0 = b.dx, dy0 = b.dy;
    bool livre = true;
    for (const tRECTI& p : postos)
      if (cruza(r, p)) {
        livre = false;
        break;
      }
    if (!livre) {
      const bool dentro =
          r.top >= jan.top && r.bottom <= jan.bottom && r.left >= jan.left && r.right <= jan.right;
      // Vertically: only the boxes sharing columns with it can be in the way.
      for (int eixo = 0; eixo < 2 && !livre; ++eixo) {
        perto.clear();
        for (const tRECTI& p : postos) {
          const bool partilha = eixo == 0 ? (p.left < r.right && r.left < p.right)
                                          : (p.top < r.bottom && r.top < p.bottom);
          if (partilha) perto.push_back(p);
        }
        // Along the axis, the box overlaps p for the steps strictly between
        // lo and hi; the candidate steps leave a pixel between them: lo - 1
        // and hi + 1. The steps every box forbids, merged and sorted, tell
        // at once which candidates are free.
        passos.clear();
        cobre.clear();
        for (const tRECTI& p : perto) {
          const int lo = eixo == 0 ? p.top - r.bottom : p.left - r.right;
          const int hi = eixo == 0 ? p.bottom - r.top : p.right - r.left;
          passos.push_back(lo - 1);
          passos.push_back(hi + 1);
          if (lo + 1 <= hi - 1) cobre.push_back({lo + 1, hi - 1});
        }
        std::sort(cobre.begin(), cobre.end());
        std::size_t n = 0;
        for (const auto& f : cobre) {
          if (n > 0 && f.first <= cobre[n - 1].second + 1)
            cobre[n - 1].second = std::max(cobre[n - 1].second, f.second);
          else
            cobre[n++] = f;
        }
        cobre.resize(n);
        const auto coberto = [&cobre](int d) {
          auto it = std::upper_bound(cobre.begin(), cobre.end(), std::pair<int, int>{d, INT_MAX});
          return it != cobre.begin() && std::prev(it)->second >= d;
        };
        // The least step that is free, upwards (or leftwards) first on a tie.
        bool achou = false;
        int melhor = 0;
        for (int d : passos) {
          if (achou &&
              (std::abs(d) > std::abs(melhor) || (std::abs(d) == std::abs(melhor) && d >= melhor)))
            continue;
          const int dx = eixo == 1 ? d : 0, dy = eixo == 0 ? d : 0;
          const tRECTI m = desloca(r, dx, dy);
          if (dentro && (m.top < jan.top || m.bottom > jan.bottom || m.left < jan.left ||
                         m.right > jan.right))
            continue;
          if (coberto(d)) continue;
          melhor = d;
          achou = true;
        }
        if (achou) {
          b.dx = dx0 + (eixo == 1 ? melhor : 0);
          b.dy = dy0 + (eixo == 0 ? melhor : 0);
          livre = true;
        }
      }
    }
    postos.push_back(desloca(b.caixa, b.dx, b.dy));
  }
  // The leaders first, then every text over them: a leader starts where its
  // label was, often under the label that stayed, and never runs over text.
  for (const tBLOCO& b : blocos) {
    if (b.dx != 0 || b.dy != 0) {
      // The leader: from the centre of where the block was to the nearest
      // point of where it is.
      const tRECTI m = desloca(b.caixa, b.dx, b.dy);
      const int cx = (b.caixa.left + b.caixa.right) / 2;
      const int cy = (b.caixa.top + b.caixa.bottom) / 2;
      const int px = std::clamp(cx, m.left, m.right - 1);
      const int py = std::clamp(cy, m.top, m.bottom - 1);
      if (px != cx || py != cy) {
        canvas->setpen(tPEN{1, rot[b.de].font.color, tPENSTYLE::solid, tPENMODE::copy});
        canvas->moveto(cx, cy);
        canvas->lineto(px, py);
      }
    }
  }
  for (const tBLOCO& b : blocos) {
    for (int k = b.de; k < b.ate; ++k) {
      const tROTULO& r = rot[k];
      canvas->setfont(r.font);
      canvas->setbrush(r.brush);
      canvas->textout(r.x + b.dx, r.y + b.dy, r.texto);
    }
  }
}

void tCHARTX::repaint() {
  if (canvas == nullptr) return;
  canvas->setpenwidth(linhagrossa);
  canvas->setbrushstyle(tBRUSHSTYLE::solid);
  if (limpafundo) canvas->rectangle(0, 0, w, h);

  canvas->setpenwidth(linhafina);
  canvas->setbrushstyle(tBRUSHSTYLE::clear);
  currentgrid();
  timegrid();

  canvas->setpencolor(clBlack);
  canvas->setpenwidth(linhagrossa);
  canvas->rectangle(pix(window.xl), pix(window.yl), pix(window.xh), pix(window.yh));
  canvas->setpenwidth(linhafina);

  if (!titulo_cor.empty()) {
    // Below the current labels, which stand 10 pixels under the frame.
    const double cw = canvas->textwidth(titulo_cor);
    const double ch = canvas->textheight(titulo_cor);
    canvas->textout(pix((window.xl + window.xh) / 2 - cw / 2), pix(window.yh + 14 + ch),
                    titulo_cor);
  }

  canvas->setfontsize(canvas->font().size * 2);
  const double tw = canvas->textwidth(titulo);
  const double th = canvas->textheight(titulo);
  canvas->textout(pix((window.xl + window.xh) / 2 - tw / 2), pix(window.yl - th - 10), titulo);
}

}  // namespace tarvinel
