#pragma once
// Property grid and text table as plain models. Settings and projects fill and
// read them; the Qt views only show and edit them.

#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvinel {

using tNOMES = std::vector<std::string>;

// One row of a property grid. A key that begins with a blank is a section title.
struct tPROPROW {
  std::string key;
  std::string value;
  tNOMES picklist;      // drop-down texts; empty = none
  bool button = false;  // "..." edit button
  bool readonly = false;
  // The full-precision number behind `value` when the row was filled with
  // setnum; NaN otherwise, and again NaN as soon as the text changes. A grid
  // shows fewer digits than a field holds, so reading an untouched row takes
  // this instead of the rounded text.
  double exact = std::numeric_limits<double>::quiet_NaN();

  bool section() const { return !key.empty() && key.front() == ' '; }
};

// Ordered key/value rows, keys unique. Rows appear in the order they are first set.
class tPROPGRID {
 public:
  // Replaces the value of the row with that key, or appends a new row. A new
  // text forgets the row's exact number; the same text keeps it.
  void setvalue(std::string_view key, std::string_view value);
  // A number row: `text` is what the grid shows, `exact` the field's value.
  void setnum(std::string_view key, double exact, std::string_view text);
  // The row's value; empty when there is no such row.
  std::string value(std::string_view key) const;
  void setbutton(std::string_view key, bool on = true);
  void setreadonly(std::string_view key, bool on = true);

  const tPROPROW* find(std::string_view key) const;
  tPROPROW* find(std::string_view key);
  int indexof(std::string_view key) const;
  int count() const { return static_cast<int>(rows_.size()); }
  const tPROPROW& row(int i) const { return rows_.at(static_cast<std::size_t>(i)); }
  tPROPROW& row(int i) { return rows_.at(static_cast<std::size_t>(i)); }
  void clear() { rows_.clear(); }

  // Called after every change of a value made through setvalue on an existing
  // or new row; the Qt view listens here.
  std::function<void()> onchange;

 private:
  std::vector<tPROPROW> rows_;
};

std::string vl_getstr(const tPROPGRID& vl, std::string_view key, std::string_view fallback);
// A text row that goes into a document file: vl_getstr made storable
// (textoarq), with one "#" line in the message log naming the row when the
// text had to change.
std::string vl_gettexto(const tPROPGRID& vl, std::string_view key, std::string_view fallback);
// The exact number of a row still showing the text it was filled with.
std::optional<double> vl_exato(const tPROPGRID& vl, std::string_view key);
int vl_getint(const tPROPGRID& vl, std::string_view key, int fallback, int min, int max);
bool vl_getbool(const tPROPGRID& vl, std::string_view key, bool fallback);
int vl_getindex(const tPROPGRID& vl, std::string_view key, const tNOMES& names);
// Gives the row a pick list only when it has none yet.
void vl_picklist(tPROPGRID& vl, std::string_view key, const tNOMES& names);
// Real row: the exact number of an untouched setnum row, otherwise txt2real of
// the row's text with the current value as fallback; either way clipped to the
// bounds (none when both are 0).
double vl_getreal(const tPROPGRID& vl, std::string_view key, double fallback, double min,
                  double max);

// Text table: cells by (column, row), row 0 the titles; per-column widths in pixels.
class tTABELA {
 public:
  int colcount() const { return cols_; }
  int rowcount() const { return rows_; }
  void setcolcount(int n);
  void setrowcount(int n);
  std::string cell(int col, int row) const;
  void setcell(int col, int row, std::string_view text);
  int colwidth(int col) const;
  void setcolwidth(int col, int w);

  // Text width in pixels in the table's current font; set by the view (or a
  // test) so the model needs no GUI. Without one, 7 pixels per character.
  std::function<int(std::string_view)> textwidth;

 private:
  int cols_ = 0;
  int rows_ = 0;
  std::vector<std::string> cells_;  // row-major
  std::vector<int> widths_;
};

void sg_setrow(tTABELA& sg, int row, const tNOMES& texts);
void sg_titles(tTABELA& sg, const tNOMES& titles);
void sg_autosize(tTABELA& sg, const tNOMES& titles);

}  // namespace tarvinel
