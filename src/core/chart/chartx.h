#pragma once
// The coordination chart ("coordenograma"): a log-log time-current diagram,
// current in amperes across, time in seconds up, drawn on any tCANVAS.
//
// The chart owns the one mapping between real coordinates (amperes, seconds)
// and pixels; drawing and hit-testing both go through rl2px/px2rl. It holds no
// items: the owning window sets the surface, size, limits and options before
// every paint, calls defaultpen and repaint, and then lets each item draw
// itself with the primitives below.
//
// Robustness: the pixel values handed to the surface are always finite ints
// within +-kPixMax. Real points without a place on the log axes (a current or
// time that is zero, negative or NaN) are skipped by the line primitives and
// by circle; the grid is drawn only for positive, finite limits.

#include <fmt/printf.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/chart/canvas.h"
#include "core/foundation/tipos.h"

namespace tarvinel {

// Light grey of the minor grid lines and of the vertical corner texts.
constexpr tCOR clGrade = 0xC0C0C0;

class tCHARTX {
 public:
  static constexpr int kLineBuf = 1024;
  // Pixel coordinates are clamped to this magnitude before they reach the
  // surface, so far-away points stay far away without overflowing anything.
  static constexpr int kPixMax = 1000000;

  // Polyline buffer filled by pushline; never allocates.
  std::array<tPOINTI, kLineBuf> linebuf{};
  std::int32_t linecount = 0;  // points in linebuf, 0..1023
  tCANVAS* canvas = nullptr;   // not owned; set by the window before painting
  std::int32_t w = 200;        // surface width, pixels
  std::int32_t h = 200;        // surface height, pixels
  tRECTX window;               // plot rectangle in pixels: xl left, xh right, yl top, yh bottom
  tRECTX limites{1, 10000, 0.01, 100};  // axes: xl..xh amperes, yl..yh seconds
  bool limpafundo = false;              // paint the background before the grid
  std::int32_t linhafina = 1;           // grid, fuse curves, dashed thickening
  std::int32_t linhagrossa = 3;         // background border, frame, main curves
  std::string titulo = "Coordenograma";
  // Title of the current axis, centred under the current labels; empty: none.
  std::string titulo_cor;
  // Voltage of the chart's currents, kV; 0 = not given. A setting given at
  // another voltage draws its currents referred to this one.
  double tensao = 0;
  bool showlegend = true;   // items draw their legends
  bool curveditor = false;  // current labels as plain numbers (curve browser)
  bool show_fase = true;    // phase functions are drawn
  bool show_neutro = true;  // neutral functions are drawn
  double mul_vis = 1.0;     // multiplier of the current labels in curve-editor mode
  bool tra_cur = false;     // set: relay phase thick and solid, neutral thin and dashed
  // When set, every real point the line primitives and circle draw (those
  // with a place on the axes), and every point an item marks, is appended
  // here in drawing order. Not owned; null while nobody listens.
  std::vector<tPOINTX>* registro = nullptr;
  // Set: when the current or time range spans less than two decades, the
  // grid lines at 2, 3 and 5 x 10^n are labelled too ("200A", "0.3s"), and
  // under one decade every line is, each label left out where it would
  // touch its neighbour.
  bool subrotulos = false;
  // Set: polylines are cut at the plot window (a few pixels outside the
  // frame), so far-away parts of a curve cost nothing to draw, and points
  // within half a pixel of the segment that replaces them are left out,
  // so the stroke covers the same pixels with far fewer joins. The
  // surface's own clip box does the exact cut.
  bool recorte = false;
  // Set: textout does not draw but collects the text as a label for
  // poerotulos. Labels drawn by one item carry `grupo`; a label collected
  // while `rotulofixo` is set stays where it is and others keep clear of it.
  bool juntarotulos = false;
  int grupo = 0;
  bool rotulofixo = false;

  tCHARTX();

  // Surface size (at least 200 x 200) and the plot window inside it; the
  // left margin is 1.5 x folga to leave room for the time labels.
  void setwh(int nw, int nh, int folga);

  // Real (A, s) to pixel. A point with a coordinate <= 0 maps to (0, 0); NaN
  // stays NaN. No clipping: points outside the limits map outside the window.
  tPOINTX rl2px(tPOINTX rl) const;
  tPOINTX rl2px(double rlx, double rly) const { return rl2px(tPOINTX{rlx, rly}); }
  // Pixel to real, the exact inverse of rl2px, without guards.
  tPOINTX px2rl(tPOINTX px) const;
  tPOINTX px2rl(double pxx, double pxy) const { return px2rl(tPOINTX{pxx, pxy}); }
  // The current of px2rl alone (sampling a curve across the columns).
  double px2rlx(double pxx) const;
  // The currents of n samples spread evenly over the plot window's columns,
  // sample k at column xl + W * k / n (W the window's width), as px2rlx
  // gives them. Kept while the limits, the window and n stay, so the curves
  // of one drawing share them.
  const std::vector<double>& colunas(int n) const;

  void moveto(tPOINTX rl);
  void moveto(double rlx, double rly) { moveto(tPOINTX{rlx, rly}); }
  void lineto(tPOINTX rl);
  void lineto(double rlx, double rly) { lineto(tPOINTX{rlx, rly}); }

  // Maps a real point into the buffer; a full buffer (1023 points) is drawn
  // first and the new polyline starts from its last point, so the curve stays
  // continuous. Every caller ends with flushline.
  void pushline(tPOINTX rl);
  void pushline(double rlx, double rly) { pushline(tPOINTX{rlx, rly}); }
  // The same for a point sampled at a known column: pxx is its pixel x,
  // only its time is mapped.
  void pushline(tPOINTX rl, double pxx);
  // Draws the buffered points as one polyline and empties the buffer. A
  // dashed pen is one pixel wide, so a dashed line is drawn linhafina more
  // times, each shifted one more pixel to the right.
  void flushline();

  // Writes s at (rlx, rly): real coordinates when rlorpx, pixels otherwise.
  // With args, s is a printf-style format; without, it is written unchanged.
  // al: 1 centred on the point; 100 and 101 the two vertical corner lines
  // (one and three widths of "a" right, two and one text heights up);
  // anything else: top-left corner on the point.
  template <class... A>
  void textout(double rlx, double rly, const std::string& s, int al, bool rlorpx,
               const A&... args) {
    if constexpr (sizeof...(A) == 0)
      puttext(rlx, rly, s, al, rlorpx);
    else
      puttext(rlx, rly, fmt::sprintf(s, args...), al, rlorpx);
  }

  // An item that draws a point with the surface's own primitives (a marker
  // at a real point) names the point here, for registro.
  void marca(tPOINTX rl);

  // Ellipse with the bounding box of a circle of r pixels around the real
  // centre rlc.
  void circle(tPOINTX rlc, double r);

  // Pen 1 black solid copy, brush white solid, font black bold upright,
  // 8 points while printing and 10 otherwise. The font name is kept.
  void defaultpen();

  // Background, current and time grids with their labels, frame and title.
  // Leaves the font size doubled (callers call defaultpen afterwards), the
  // brush clear and the pen linhafina wide.
  void repaint();

  // The collected labels moved apart and drawn, then forgotten. Texts of one
  // item stacked line under line move together. A label whose box overlaps
  // one already placed moves by the least distance that frees it, vertically
  // first, then horizontally, staying inside the plot window (a label running
  // over the frame from a point inside comes inside first); where nothing
  // is free it stays. A moved label gets a thin leader line in its colour
  // from its point (the centre of where it was) to its box, drawn before
  // every text so that none runs over a label. Upright texts
  // and texts running upwards are placed; other orientations are drawn as
  // they are.
  void poerotulos();

  // A pixel value as the surface gets it: truncated towards zero, clamped to
  // +-kPixMax; NaN gives 0 (callers skip NaN points before).
  static int pix(double v);

 private:
  // The decades of the two axes, kept while the limits and window stay.
  struct tMAPA {
    tRECTX lim, win;
    double dx = 0, dy = 0;
    double w1 = 0, h1 = 0;        // the window's width and height less one pixel
    std::vector<double> colunas;  // colunas(n), made at its first call
    bool ok = false;
  };
  const tMAPA& mapa() const;
  mutable tMAPA mapa_;
  // The pixel y of a time (rl2px's second coordinate).
  double rl2pxy(double rly) const;
  void poe(tPOINTX rl, tPOINTX px);
  struct tROTULO {
    tRECTI caixa;      // pixels the text covers, right and bottom exclusive
    int x = 0, y = 0;  // where textout puts it
    std::string texto;
    tFONT font;
    tBRUSH brush;
    int grupo = 0;
    bool fixo = false;
  };
  void puttext(double x, double y, const std::string& s, int al, bool rlorpx);
  // One polyline and, for a dashed pen, its shifted copies; shifts pts.
  void desenhapoli(tPOINTI* pts, int n);
  void currentgrid();
  void timegrid();

  // False after a moveto to a point without a place: the next lineto then
  // only moves, instead of drawing from a stale pen position.
  bool haspos_ = true;
  std::vector<tROTULO> rotulos_;
  // The points of linebuf as mapped, before truncation: the cut and the
  // thinning of flushline work on them.
  std::array<tPOINTX, kLineBuf> linebufx_{};
  std::vector<tPOINTX> pedaco_;  // reused by the cut of flushline
  std::vector<tPOINTI> pontos_;  // and by the drawing of its pieces
};

}  // namespace tarvinel
