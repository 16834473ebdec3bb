#pragma once
// A drawing surface that draws nothing and remembers every drawing call with
// the pen, brush and font in force at the time. Tests assert on the recorded
// calls; headless code can use it to measure texts.
//
// Text metrics are fixed, whatever the font: every UTF-8 character (code
// point) is 7 pixels wide and every text, the empty one too, is 13 pixels
// high. Layout computed on this surface is therefore exact and predictable.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/canvas.h"

namespace tarvinel {

enum class tOPKIND { line, polyline, polygon, rectangle, fillrect, ellipse, text };

// Name of the kind, for test messages: "line", "polyline", ...
const char* opname(tOPKIND kind);
std::ostream& operator<<(std::ostream& os, tOPKIND kind);

// One recorded call.
//   line:                      pts = {from, to}
//   polyline, polygon:         pts = the points, in order
//   rectangle, fillrect, ellipse: pts = {(x1, y1), (x2, y2)}
//   text:                      pts = {(x, y)}, text = the text
struct tCANVASOP {
  tOPKIND kind = tOPKIND::line;
  std::vector<tPOINTI> pts;
  std::string text;
  tPEN pen;
  tBRUSH brush;
  tFONT font;
  // The surface's clip box at the time; none when clipped is false.
  bool clipped = false;
  tRECTI clip;
};

class tCANVASREC : public tCANVAS {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kTextHeight = 13;

  explicit tCANVASREC(int width = 1024, int height = 768) : w_(width), h_(height) {}

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

  // Every call since construction or the last clear, in order.
  std::vector<tCANVASOP> ops;

  void clear() { ops.clear(); }
  // The recorded calls of one kind, in order.
  std::vector<tCANVASOP> of(tOPKIND kind) const;
  int count(tOPKIND kind) const;
  // The texts written, in order.
  std::vector<std::string> texts() const;
  // The first text call writing exactly `text`; nullptr when there is none.
  const tCANVASOP* findtext(std::string_view text) const;

 protected:
  void drawline(tPOINTI from, tPOINTI to) override;

 private:
  tCANVASOP& record(tOPKIND kind);
  int w_;
  int h_;
};

}  // namespace tarvinel
