#pragma once
// Where each line of the calculation report goes on paper. The printer, the
// PDF of tarvinel-cli and the tests all lay the report out through paginar,
// so a printed report and its PDF break pages at the same lines.
//
// A page is full when the next line would start lower than two line heights
// above its bottom. A section rule (a line of "=" with more than one
// character) begins a new page unless the page has only just begun, so a
// section never starts at the foot of a page.

#include <string>
#include <vector>

namespace tarvinel {

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

}  // namespace tarvinel
