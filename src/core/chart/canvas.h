#pragma once
// The drawing surface every chart item draws on: a window, a bitmap, a printer
// page or a PDF page behind one interface, so one drawing serves them all.
//
// Coordinates are integer device pixels, y growing downwards. The surface
// keeps a current pen, brush and font and a pen position, in the manner of a
// GDI device context: callers set the state, then draw. Setting state never
// draws; drawing never changes state (except the pen position).
//
// Rectangle-like calls take (x1, y1, x2, y2) with the right and bottom edges
// exclusive: rectangle(0, 0, 10, 10) outlines the pixels 0..9 on both axes.
// Text is placed by its top-left corner, before rotation; a font orientation
// turns the text counter-clockwise around that corner.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/foundation/tipos.h"

namespace tarvinel {

// A pixel of the surface.
struct tPOINTI {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const tPOINTI&) const = default;
};

enum class tPENSTYLE { solid, dash, dashdot };
// copy: the pen colour replaces the picture; mask: the pen colour is ANDed
// bitwise with the picture, so a light band leaves the lines under it visible.
enum class tPENMODE { copy, mask };
enum class tBRUSHSTYLE { solid, clear };

struct tPEN {
  int width = 1;  // device pixels; 0 and 1 both give one pixel
  tCOR color = clBlack;
  tPENSTYLE style = tPENSTYLE::solid;
  tPENMODE mode = tPENMODE::copy;
  bool operator==(const tPEN&) const = default;
};

// Fills closed figures; a solid brush is also the background of text.
struct tBRUSH {
  tCOR color = clWhite;
  tBRUSHSTYLE style = tBRUSHSTYLE::solid;
  bool operator==(const tBRUSH&) const = default;
};

struct tFONT {
  std::string name = "Tahoma";
  int size = 10;         // points; the surface converts with its own resolution
  tCOR color = clBlack;  // text colour
  int orientation = 0;   // tenths of a degree, counter-clockwise; 900 runs upwards
  bool bold = false;
  bool operator==(const tFONT&) const = default;
};

class tCANVAS {
 public:
  virtual ~tCANVAS() = default;

  // Surface size in pixels.
  virtual int width() const = 0;
  virtual int height() const = 0;

  const tPEN& pen() const { return pen_; }
  const tBRUSH& brush() const { return brush_; }
  const tFONT& font() const { return font_; }
  tPOINTI penpos() const { return pos_; }

  void setpen(const tPEN& p) { pen_ = p; }
  void setpenwidth(int width) { pen_.width = width; }
  void setpencolor(tCOR color) { pen_.color = color; }
  void setpenstyle(tPENSTYLE style) { pen_.style = style; }
  void setpenmode(tPENMODE mode) { pen_.mode = mode; }

  void setbrush(const tBRUSH& b) { brush_ = b; }
  void setbrushcolor(tCOR color) { brush_.color = color; }
  void setbrushstyle(tBRUSHSTYLE style) { brush_.style = style; }

  void setfont(const tFONT& f) { font_ = f; }
  void setfontname(std::string_view name) { font_.name = name; }
  void setfontsize(int size) { font_.size = size; }
  void setfontcolor(tCOR color) { font_.color = color; }
  void setfontorientation(int tenths) { font_.orientation = tenths; }
  void setfontbold(bool bold) { font_.bold = bold; }

  // Clip box: while one is set, nothing is drawn outside the pixels x1..x2-1,
  // y1..y2-1 (right and bottom edges exclusive, as for rectangle). Setting
  // or clearing it draws nothing and keeps the pen, brush and font.
  void setclip(int x1, int y1, int x2, int y2) {
    clip_ = {x1, y1, x2, y2};
    hasclip_ = true;
    clipchanged();
  }
  void noclip() {
    hasclip_ = false;
    clipchanged();
  }
  bool hasclip() const { return hasclip_; }
  // The clip box as (x1, y1, x2, y2); meaningful only while hasclip().
  const tRECTI& clip() const { return clip_; }

  // Moves the pen without drawing.
  void moveto(int x, int y) { pos_ = {x, y}; }
  // Straight line with the pen from the pen position to (x, y), which becomes
  // the new pen position.
  void lineto(int x, int y) {
    const tPOINTI from = pos_;
    pos_ = {x, y};
    drawline(from, pos_);
  }

  // Open line through count points with the pen; count < 2 draws nothing.
  // The caller keeps the points; the surface does not hold on to them.
  virtual void polyline(const tPOINTI* pts, int count) = 0;
  // Closed figure through count points: filled with the brush, outlined with
  // the pen.
  virtual void polygon(const tPOINTI* pts, int count) = 0;
  // Outlined with the pen, filled with the brush.
  virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
  // Filled with the brush, no outline; nothing with a clear brush.
  virtual void fillrect(int x1, int y1, int x2, int y2) = 0;
  // Ellipse inscribed in the box, outlined with the pen, filled with the brush.
  virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
  // Text (UTF-8) in the font's colour, its top-left corner at (x, y); on the
  // brush colour when the brush is solid, transparent when it is clear.
  virtual void textout(int x, int y, std::string_view text) = 0;
  // Extent of the text in the current font, in pixels, before rotation.
  virtual int textwidth(std::string_view text) = 0;
  virtual int textheight(std::string_view text) = 0;

 protected:
  virtual void drawline(tPOINTI from, tPOINTI to) = 0;
  // The clip box was set or cleared; a surface that can clip applies it.
  virtual void clipchanged() {}

 private:
  tRECTI clip_;
  bool hasclip_ = false;
  tPEN pen_;
  tBRUSH brush_;
  tFONT font_;
  tPOINTI pos_;
};

}  // namespace tarvinel
