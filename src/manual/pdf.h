#pragma once
// The manual as an A4 PDF: a cover, the table of contents with page numbers,
// then the chapters, each on a new page, every page but the cover with its
// footer. Qt lays the Markdown out (CommonMark with GitHub tables); the
// screenshots are scaled to the text width.

#include <QImage>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tarvinel::manual {

struct tPDF {
  int paginas = 0;
  // The contents as printed: chapter and section titles with their page
  // numbers (the cover is page 1).
  std::vector<std::pair<std::string, int>> sumario;
};

// Writes `saida` atomically (nothing replaced on failure). Throws
// std::runtime_error with a Portuguese message when a screenshot the text
// names is missing or the file cannot be written.
tPDF escreve_pdf(const std::string& markdown, const std::map<std::string, QImage>& telas,
                 const std::string& versao, const std::string& saida);

}  // namespace tarvinel::manual
