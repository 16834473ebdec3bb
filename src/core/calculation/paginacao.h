#pragma once
// The calculation report on paper. The printer, the PDF of tarvinel-cli and
// the tests all lay the report out through paginar and compose its pages
// through compoerelatorio, so a printed report and its PDF break pages at the
// same lines.
//
// A page is full when the next line would start lower than two line heights
// above its bottom. A section rule (a line of "=" with more than one
// character) begins a new page unless the page has only just begun, so a
// section never starts at the foot of a page. The head of a block (a run of
// lines without an empty line: an item title with its rule, a table's header
// lines and its first row) is kept together: a block whose first kCABECA
// lines (or all of them, when it is shorter) do not fit on the page begins on
// the next one, so a table's header is never left alone at the foot of a
// page.

#include <string>
#include <vector>

#include "core/chart/paginas.h"

namespace tarvinel {

// Lines at the head of a block that stay on one page: an item title, its
// rule, two header lines and the first row.
inline constexpr int kCABECA = 5;

// Place of one line: page counted from 0, top of the line in device pixels.
struct tPOSLINHA {
  int pagina = 0;
  int y = 0;
  bool operator==(const tPOSLINHA&) const = default;
};

// One position per line, in line order. `altura` is the page's printable
// height and `h` the line height, both in device pixels; the first line of
// every page sits at 2h. A line height below 1 counts as 1, and a page too
// small for even one line gets one line per page, so the layout always ends.
std::vector<tPOSLINHA> paginar(const std::vector<std::string>& linhas, int altura, int h);

// Number of pages the layout uses (at least 1: an empty report is one blank
// page).
int paginas(const std::vector<tPOSLINHA>& pos);

// The report on pag: "Courier New" 12 points, black on the paper, left margin
// five widths of "A", line height the height of "A", pages as paginar lays
// them out; empty lines are printed as empty lines. Returns the number of
// pages.
int compoerelatorio(tPAGINAS& pag, const std::vector<std::string>& linhas);

}  // namespace tarvinel
