#pragma once
// The calculation report on paper: the printer of the calculation window and
// the PDF of tarvinel-cli print the pages compoerelatorio composes, portrait.

#include <QByteArray>
#include <QPagedPaintDevice>
#include <string>
#include <vector>

namespace tarvinel {

// The report on dev, which must not be painting yet: portrait orientation,
// then the pages. Returns the number of pages; throws std::runtime_error
// ("Não foi possível iniciar a impressão.") when the device refuses the
// painter (a printer that refuses the job).
int imprime_relatorio(QPagedPaintDevice& dev, const std::vector<std::string>& linhas);

// The report as PDF bytes on A4 paper.
QByteArray relatorio_pdf(const std::vector<std::string>& linhas);

}  // namespace tarvinel
