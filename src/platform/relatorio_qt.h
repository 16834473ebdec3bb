#pragma once
// The calculation report on paper: the printer of the calculation window and
// the PDF of tarvinel-cli draw the same pages here, laid out by paginar.
//
// Portrait pages, "Courier New" 12 points (a fixed-pitch face stands in where
// the system has no Courier New, so the report's columns stay aligned), left
// margin five widths of "A", one line height per report line.

#include <QPagedPaintDevice>
#include <string>
#include <vector>

namespace tarvinel {

// Draws the lines on dev, which must not be painting yet: the orientation is
// set, a painter is begun on it, pages are added as the layout asks, and the
// painter is ended. Returns the number of pages, or 0 when the device could
// not be painted on (a printer that refuses the job).
int imprime_relatorio(QPagedPaintDevice& dev, const std::vector<std::string>& linhas);

// The report as PDF bytes on A4 paper.
QByteArray relatorio_pdf(const std::vector<std::string>& linhas);

}  // namespace tarvinel
