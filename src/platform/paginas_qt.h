#pragma once
// The pages of a print job on a Qt paged device: a printer chosen in the
// print dialog, a PDF writer. Every printed document of the program is
// composed in core on tPAGINAS (coordpaginas, paginacao, ensaio); here a
// device of any resolution only supplies its pages.
//
// Entry points for a new way out of the program (a print preview, a PDF
// export): imprimepaginas for any QPagedPaintDevice/QPrinter already set up,
// pdfpaginas and gravapdf for a PDF file on A4 paper.

#include <QByteArray>
#include <QPageLayout>
#include <QPainter>
#include <functional>
#include <optional>
#include <string>

#include "core/chart/paginas.h"
#include "platform/canvas_qt.h"

class QPagedPaintDevice;

namespace tarvinel {

// Composes the pages of a job: draws on pag, returns the number of pages.
using tCOMPOE = std::function<int(tPAGINAS& pag)>;

// tPAGINAS over a device: the painter is scaled from the device's pixels to
// paper pixels (kDPIPAPEL to the inch), so a page comes out the same in
// millimetres on a 300 dpi printer, a 1200 dpi printer and a PDF.
class tPAGINASQT : public tPAGINAS {
 public:
  // Begins painting on dev. Throws std::runtime_error ("Não foi possível
  // iniciar a impressão.") when the device refuses the painter.
  explicit tPAGINASQT(QPagedPaintDevice& dev);
  ~tPAGINASQT() override;
  tPAGINASQT(const tPAGINASQT&) = delete;
  tPAGINASQT& operator=(const tPAGINASQT&) = delete;

  tCANVAS& canvas() override { return *canvas_; }
  void novapagina() override;

 private:
  QPagedPaintDevice& dev_;
  QPainter painter_;
  std::optional<tCANVASQT> canvas_;
};

// The job on a device whose printer, paper and orientation are chosen (the
// orientation is set here when given). Returns the number of pages; throws
// as tPAGINASQT does.
int imprimepaginas(QPagedPaintDevice& dev, const tCOMPOE& compoe,
                   std::optional<QPageLayout::Orientation> orientacao = std::nullopt);

// The job as PDF bytes: A4 in the orientation given, margins of 10 mm, at
// kDPIPAPEL; `titulo` becomes the document's title. paginas, when given,
// receives the number of pages.
QByteArray pdfpaginas(const tCOMPOE& compoe, QPageLayout::Orientation orientacao,
                      const std::string& titulo, int* paginas = nullptr);

// The PDF written to path atomically, so a failure never leaves half a PDF
// over an older file. Throws tERROARQ when the file cannot be written.
// Returns the number of pages.
int gravapdf(const std::string& path, const tCOMPOE& compoe, QPageLayout::Orientation orientacao,
             const std::string& titulo);

}  // namespace tarvinel
