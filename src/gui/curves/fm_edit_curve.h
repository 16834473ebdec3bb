#pragma once
// The user-curve editor: name, pickup, dial, adjustable flag and the 16
// points of one user curve, with paste of a points table from the clipboard.
//
// It edits the element of usercurves() itself, not a copy. Everything is
// shown with two decimals and read back from the text on "OK", so confirming
// rounds every value to hundredths and clamps it to its bounds; a text that
// is not a number keeps the value the curve had.

#include <QDialog>
#include <string>
#include <vector>

#include "core/curves/freliga.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tarvinel {

// Bounds of the values read on "OK".
struct tLIMITES_CURVA {
  static constexpr double ip_min = 1, ip_max = 10000;
  static constexpr double dt_min = 0.001, dt_max = 100;
  static constexpr double amp_min = 1, amp_max = 10000;
  static constexpr double tim_min = 0.01, tim_max = 1000;
};

class Tfm_edit_curve : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPontos = 16;

  explicit Tfm_edit_curve(QWidget* parent = nullptr);

  // Edits user curve number idx_cur (0-based) in place and returns its name
  // afterwards, confirmed or not; the empty text, showing nothing, when there
  // is no such curve.
  std::string edit_curve(int idx_cur);

  // Curve -> controls.
  void showcurve(const tUSERCURVE& cur);
  // Controls -> curve, with the bounds of tLIMITES_CURVA; the curve's values
  // are the defaults for texts that are not numbers.
  void getcurve(tUSERCURVE& cur) const;

  // "colar": a points table from the clipboard into the grid. Shows "OK"
  // when it was taken; otherwise says why and leaves the grid as it was.
  void colar();

  // Point row k + 1 (1..16), column 0 current, 1 time; row 0 holds the
  // titles, as in the file layout of the grid.
  std::string celula(int col, int row) const;
  void setcelula(int col, int row, const std::string& texto);

  QLineEdit* leNOME = nullptr;
  QCheckBox* cbAJUSTAVEL = nullptr;
  QLineEdit* leIP = nullptr;
  QLineEdit* leDT = nullptr;
  QTableWidget* sgMAIN = nullptr;
  QPushButton* btOK = nullptr;
  QPushButton* btCANCEL = nullptr;

 private:
  void ajustavel(bool on);
};

// A points table as a spreadsheet puts it on the clipboard: a title line,
// then one line per point with three columns — index, current, time —
// separated by ";" (or by tabs). Fields are kept as text.
struct tTABELA_COLADA {
  struct tLINHA {
    std::string amp;
    std::string tim;
  };
  std::vector<tLINHA> pontos;  // in the order given, at most 16
  std::string erro;            // why the text is not such a table; empty when it is
};

// Reads the text. The first line is taken as titles unless its current and
// time read as numbers, so a table copied without its titles loses nothing.
// Blank lines are ignored. Any other line must have numbers in the current
// and time columns and nothing after them, and there may be at most 16
// points: otherwise nothing is taken and `erro` says why, in Portuguese.
tTABELA_COLADA le_tabela_colada(const std::string& texto);

}  // namespace tarvinel
