#pragma once
// Small value types exchanged by every part of the engine: chart points and
// rectangles, complex impedances, the five short-circuit currents of a bus and
// the colour convention (0x00BBGGRR).

#include <cmath>
#include <cstdint>
#include <string>

namespace tarvinel {

// A point of the chart: amperes/seconds or pixels, depending on who made it.
struct tPOINTX {
  double x = 0;
  double y = 0;
};

// Integer rectangle (left, top, right, bottom), as the drawing surface uses it.
struct tRECTI {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct tRECTX {
  double xl = 0;
  double xh = 0;
  double yl = 0;
  double yh = 0;

  double width() const { return std::abs(xh - xl); }
  double height() const { return std::abs(yh - yl); }
  // Both bounds inclusive on both axes.
  bool contains(tPOINTX p) const { return xl <= p.x && p.x <= xh && yl <= p.y && p.y <= yh; }
  // Each bound truncated toward zero.
  tRECTI asrect() const;
};

// r + jx; impedances in ohms or per unit.
struct tCPLX {
  double r = 0;
  double x = 0;

  double magnitude() const;
  // Asymmetry factor sqrt(1 + 2 e^(-2 pi r / x)); 1 when x = 0.
  double fa() const;
  // "%.3f+j%.2f (%.3f|%.1f°)"
  std::string tostr() const;
};

tCPLX operator+(tCPLX a, tCPLX b);
tCPLX operator*(tCPLX a, double k);
tCPLX operator*(double k, tCPLX a);
tCPLX operator*(tCPLX a, tCPLX b);
tCPLX operator/(double k, tCPLX a);

// The five short-circuit currents of one bus, in amperes.
struct tCURTO {
  double ICC3F = 0;
  double ICC3FA = 0;
  double ICCFT = 0;
  double ICCFTM = 0;
  double ICCFTA = 0;
};

inline tPOINTX pointx(double x, double y) {
  return {x, y};
}
inline tCPLX cplx(double r, double x) {
  return {r, x};
}

// Colour: red in bits 0-7, green 8-15, blue 16-23.
using tCOR = std::int32_t;
constexpr tCOR clBlack = 0x000000;
constexpr tCOR clRed = 0x0000FF;
constexpr tCOR clGreen = 0x008000;
constexpr tCOR clBlue = 0xFF0000;
constexpr tCOR clPurple = 0x800080;
constexpr tCOR clGray = 0x808080;
constexpr tCOR clWhite = 0xFFFFFF;

// "$" and six upper-case hexadecimal digits: "$0000FF" is red.
std::string cor2txt(tCOR c);

}  // namespace tarvinel
