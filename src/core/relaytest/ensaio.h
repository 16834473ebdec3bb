#pragma once
// The relay test sheet ("ensaio de relé"): a table of test currents with the
// reference trip times of the relay's curve and the times measured on the test
// set, evaluated into differences and deviations and drawn on the chart.
//
// The table holds the data as the text the user typed. Every evaluation reads
// it again: unreadable cells take their defaults and numbers are clamped into
// their ranges, so nothing typed can make an evaluation or a drawing fail.
// The rows of the table are numbered as in the grid: row 0 holds the column
// titles, the data rows are 1 .. rowcount - 1, and there is always at least
// one data row.

#include <string>
#include <vector>

#include "core/chart/paginas.h"
#include "core/curves/freliga.h"
#include "core/foundation/grade.h"
#include "core/foundation/projbase.h"

namespace tarvinel {

class tCHARTX;

// Columns of the test table; colNUM shows the row number and holds no text.
enum tCOLENSAIO : int { colNUM, colIREF, colTREF, colTMED, colDELTA, colDESVIO, colCOUNT };

// One evaluated row.
struct tENSAIO {
  double iref = 0;  // test current, A
  double tref = 0;  // reference time, s
  double tmed = 0;  // measured time, s
  double tdif = 0;  // tmed - tref, s
  double desv = 0;  // deviation, percent of tref
};

// The relay's curve as the "Curva de refência" grid describes it.
struct tCURVAENSAIO {
  tFRELIGA fr;  // nom_cur, cor_par, cor_ins and dt set, the rest 0
  int n = 10;   // rows made by "Gerar curva", 3 .. 30
};

// The sheet is the relay test window's document: its ".ens" file holds the
// general notes, the curve and the table.
class tFOLHAENSAIO : public tPROJBASE {
 public:
  // A new sheet: the three example rows and the default curve.
  tFOLHAENSAIO();

  tPROPGRID geral;  // "Título do gráfico" and free notes
  tPROPGRID curva;  // the reference curve
  tTABELA tabela;
  bool atualizatref = false;  // "Atualizar TREF": recompute the current row's Tref

  int linhas() const { return tabela.rowcount() - 1; }
  std::string titulo() const;
  tCURVAENSAIO lercurva() const;

  // "Gerar curva": n rows from the pickup to the instantaneous current, both
  // included, with their reference times. Measured times already typed stay
  // in their rows.
  void gerarcurva();
  // Automatic Tref of a data row from its Iref; other rows are ignored.
  void atualizarow(int row);
  // Reads every data row and writes its "Delta [s]" and "Desvio [%]".
  std::vector<tENSAIO> avaliar();

  // Row buttons. Each returns the row to select afterwards; a row outside the
  // data changes nothing.
  void novoponto();      // a copy of the last row at the end
  int excluir(int row);  // never removes the last remaining row
  int subir(int row);    // exchanges with the row above
  int descer(int row);   // exchanges with the row below

  // The sheet as a semicolon-separated UTF-8 text (".ens"): the general and
  // curve rows as "name;value" lines, an empty line, then the table with its
  // title line. Written atomically.
  void savetofile(const std::string& path) override;
  // Reads a sheet written by savetofile. A file that is not a test sheet
  // throws tERROARQ and leaves the sheet untouched; unknown names are skipped.
  void loadfromfile(const std::string& path) override;

  // The file text savetofile writes, and its reader; parse throws
  // std::runtime_error with the Portuguese cause.
  std::string totext();
  void fromtext(const std::string& text);

 private:
  void trocalinhas(int a, int b);
};

// Light blue of the tolerance band, drawn in mask mode over the lines under it.
constexpr tCOR clFaixa = 0xFFAAAA;
// Pure green of the measured points.
constexpr tCOR clMedido = 0x00FF00;

// Draws the evaluated table: the automatic Tref of the selected row when it is
// on, the reference line with its tolerance band, the reference points as blue
// squares and the measured points as green circles. Returns the evaluation.
// The line and band widths (3 and 30) and the point boxes (8 pixels) are
// multiplied by escala: 1 on the screen, more on paper.
std::vector<tENSAIO> plottest(tCHARTX& chart, tFOLHAENSAIO& folha, int selrow, int escala = 1);

// How the chart meets its surface: the screen's settings by default.
struct tSUPERFICIE {
  bool limpafundo = true;
  int linhafina = 1;
  int linhagrossa = 3;
  int folga = 50;
  int escala = 1;  // of the test's own lines and points (plottest)
};

// The whole chart of a sheet on chart.canvas, w x h pixels: background, grid,
// title, plottest and the two vertical corner lines (the version line and
// the maker's site). Without sup, as the window's paint box shows it.
std::vector<tENSAIO> drawchart(tCHARTX& chart, tFOLHAENSAIO& folha, int w, int h, int selrow);
std::vector<tENSAIO> drawchart(tCHARTX& chart, tFOLHAENSAIO& folha, int w, int h, int selrow,
                               const tSUPERFICIE& sup);

// The printed sheet on one page of pag (landscape by the caller's choice):
// the chart with the paper's surface settings on the left, and on the right,
// in "Courier New", the general rows, the reference curve's rows and the
// evaluated table, the font made small enough for the column and the page.
// Sets `printing` for the job and puts back its previous value. Returns the
// number of pages (1).
int compoeensaio(tPAGINAS& pag, tFOLHAENSAIO& folha);

// The lines of the printed table, top to bottom: the general rows and the
// curve rows as "name: value", then the title line and one line per data
// row of the evaluated table.
std::vector<std::string> linhasensaio(tFOLHAENSAIO& folha);

}  // namespace tarvinel
