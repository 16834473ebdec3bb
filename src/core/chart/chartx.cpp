#include "core/chart/chartx.h"

#include <algorithm>
#include <climits>
#include <cmath>

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

tPOINTX tCHARTX::rl2px(tPOINTX rl) const {
  if (std::isnan(rl.x) || std::isnan(rl.y)) return {NAN, NAN};
  if (rl.x <= 0 || rl.y <= 0) return {0, 0};
  const double W = window.width();
  const double H = window.height();
  tPOINTX px;
  px.x = std::log10(rl.x / limites.xl) / std::log10(limites.xh / limites.xl) * (W - 1) + window.xl;
  const double py =
      std::log10(rl.y / limites.yl) / std::log10(limites.yh / limites.yl) * (H - 1) + window.yl;
  px.y = h - py - 1;
  return px;
}

tPOINTX tCHARTX::px2rl(tPOINTX px) const {
  const double W = window.width();
  const double H = window.height();
  const double yy = h - px.y - 1;
  tPOINTX rl;
  rl.x = limites.xl *
         std::pow(10.0, std::log10(limites.xh / limites.xl) * (px.x - window.xl) / (W - 1));
  rl.y =
      limites.yl * std::pow(10.0, std::log10(limites.yh / limites.yl) * (yy - window.yl) / (H - 1));
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
  const tPOINTX p = rl2px(rl);
  if (!placeable(rl) || isnanpt(p)) return;
  if (linecount < 0) linecount = 0;
  if (linecount >= kLineBuf - 1) {
    // flushline shifts dashed points; keep the last point as it was mapped.
    const tPOINTI last = linebuf[std::min<int>(linecount, kLineBuf) - 1];
    flushline();
    linebuf[0] = last;
    linecount = 1;
  }
  linebuf[linecount++] = {pix(p.x), pix(p.y)};
  marca(rl);
}

void tCHARTX::flushline() {
  const int n = std::min<int>(linecount, kLineBuf);
  linecount = 0;
  if (n <= 0 || canvas == nullptr) return;
  canvas->polyline(linebuf.data(), n);
  if (canvas->pen().style != tPENSTYLE::dash) return;
  for (int k = 0; k < linhafina; ++k) {
    for (int i = 0; i < n; ++i)
      if (linebuf[i].x < INT_MAX) ++linebuf[i].x;
    canvas->polyline(linebuf.data(), n);
  }
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
  canvas->textout(pix(p.x), pix(p.y), s);
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

void tCHARTX::currentgrid() {
  const double xl = limites.xl;
  const double xh = limites.xh;
  if (!(std::isfinite(xl) && std::isfinite(xh) && xl > 0 && xh >= xl)) return;
  // b: leading digit of the integer part of the lower limit (0 below 1 A).
  double b = std::trunc(xl);
  while (b >= 10) b = std::trunc(b / 10);
  int q = static_cast<int>(std::trunc(std::log10(xl)));
  if (printing) canvas->setpenwidth(2);
  double s = std::pow(10.0, q) * b;
  for (int n = 0; n < kMaxGridLines; ++n) {
    canvas->setpencolor(b == 1 ? clBlack : clGrade);
    // With a lower limit below 1 A the walk starts at 0, which has no place.
    if (s > 0) {
      moveto(s, limites.yl);
      lineto(s, limites.yh);
      const tPOINTX p = rl2px(s, limites.yl);
      if (b == 1 && !isnanpt(p)) {
        double v = s;
        if (curveditor) v *= mul_vis;
        std::string txt;
        if (curveditor)
          txt = fmt::sprintf("%d", trunca(v));
        else if (v >= 1000)
          txt = fmt::sprintf("%dkA", trunca(v / 1000));
        else
          txt = fmt::sprintf("%dA", trunca(v));
        const double tw = canvas->textwidth(txt);
        canvas->textout(pix(p.x - tw / 2), pix(p.y + 10), txt);
      }
    }
    b += 1;
    if (b == 10) {
      b = 1;
      ++q;
    }
    s = std::pow(10.0, q) * b;
    if (!(s <= xh)) break;
  }
}

void tCHARTX::timegrid() {
  const double yh = limites.yh;
  if (std::isnan(yh) || std::isinf(yh)) return;
  // The time grid always starts at 0.01 s and ends at the first line at or
  // above the upper limit.
  int i = 1;
  int q = 0;
  for (int n = 0; n < kMaxGridLines; ++n) {
    const double s = std::pow(10.0, q) * i / 100;
    canvas->setpencolor(i == 1 ? clBlack : clGrade);
    moveto(limites.xl, s);
    lineto(limites.xh, s);
    const tPOINTX p = rl2px(limites.xl, s);
    if (i == 1 && !isnanpt(p)) {
      std::string txt;
      if (q == 0)
        txt = "0.01s";
      else if (q == 1)
        txt = "0.1s";
      else
        txt = fmt::sprintf("%ds", trunca(s));
      const double tw = canvas->textwidth(txt);
      const double th = canvas->textheight(txt);
      canvas->textout(pix(p.x - tw - 5), pix(p.y - th / 2), txt);
    }
    ++i;
    if (i == 10) {
      i = 1;
      ++q;
    }
    if (!(s < yh)) break;
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
