#include "gui/shell/fmbase.h"

#include <fmt/format.h>

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "core/foundation/projbase.h"
#include "gui/dialogos.h"
#include "gui/shell/selfile.h"

namespace tarvinel {

tFMBASE::tFMBASE(QObject* parent) : QObject(parent), holder_(std::make_unique<QWidget>()) {
  holder_->setAttribute(Qt::WA_DontShowOnScreen);
  auto* lay = new QVBoxLayout(holder_.get());
  lay->setContentsMargins(0, 0, 0, 0);
  pnCONTAINER = new QWidget(holder_.get());
  pnCONTAINER->setObjectName(QStringLiteral("pnCONTAINER"));
  lay->addWidget(pnCONTAINER);
}

tFMBASE::~tFMBASE() {
  // The panel may sit in the main window's document area: take it down here,
  // wherever it is, so nothing of a closed document stays on screen.
  delete pnCONTAINER.data();
}

void tFMBASE::setcaption(const std::string& c) {
  caption_ = c;
  emit captionchanged();
}

void tFMBASE::printexec(QPrinter& printer) {
  (void)printer;
}

void tFMBASE::loadfromfile(const std::string& filename) {
  if (tPROJBASE* p = projbase()) p->loadfromfile(filename);
  curfilename = filename;
  changed = false;  // whatever was edited before belonged to the document replaced
  setcaption(filename);
  showprop();
}

void tFMBASE::savetofile(const std::string& filename) {
  tPROJBASE* p = projbase();
  // A window without a document object has nothing to write; asking for a
  // name and then reporting it as saved would mislead the user.
  if (p == nullptr) return;
  getprop();
  showprop();
  std::string nome = filename;
  if (nome.empty() && !sel_file(nome, {extdef}, true)) return;
  p->savetofile(nome);
  curfilename = nome;
  changed = false;
  setcaption(curfilename);
}

void tFMBASE::confirmaedicao() {
  if (!pnCONTAINER) return;
  for (QAbstractItemView* v : pnCONTAINER->findChildren<QAbstractItemView*>()) {
    // The open editor is a direct child of the view's viewport; the views
    // here have no other widgets there.
    for (QWidget* ed : v->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!ed->isVisible()) continue;
      // commitData and closeEditor are the view's own slots, which Enter
      // and leaving the cell call.
      QMetaObject::invokeMethod(v, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, ed));
      QMetaObject::invokeMethod(
          v, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget*, ed),
          Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
      break;
    }
  }
}

void tFMBASE::marcaalterado() {
  if (changed) return;
  changed = true;
  emit captionchanged();
}

void tFMBASE::exportapdf(const std::string& padrao, int dpi) {
  std::string nome = nome_proposto(curfilename, padrao);
  if (!sel_file(nome, {"pdf"}, true)) return;
  // Printed into a scratch file first, then written in one piece: a failed
  // job never leaves half a PDF over an older file.
  QTemporaryDir dir;
  if (!dir.isValid()) throw tERROARQ(tOPARQ::gravar, nome, "sem pasta temporária");
  const QString tmp = dir.filePath(QStringLiteral("impressao.pdf"));
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tmp);
    printer.setResolution(dpi);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    printer.setCreator(QString::fromStdString(versionline));
    tPRINTSCOPE imprimindo;
    printexec(printer);
  }
  gravarbytes(nome, lerbytes(tmp.toStdString()));
}

void tFMBASE::set_parent(QWidget* container) {
  if (!pnCONTAINER) return;
  QWidget* alvo = container != nullptr ? container : holder_.get();
  if (pnCONTAINER->parentWidget() == alvo) return;
  pnCONTAINER->setParent(alvo);
  if (QLayout* lay = alvo->layout()) lay->addWidget(pnCONTAINER);
  pnCONTAINER->setVisible(container != nullptr);
}

bool tFMBASE::canclose(tFECHAR& action) {
  if (!changed) return true;
  const std::string& nome = curfilename.empty() ? caption_ : curfilename;
  const tRESPOSTA r =
      dialogos().pergunta(fmt::format("Salvar arquivo: \"{}\"?", nome), tBOTOES::simnaocancela);
  if (r == tRESPOSTA::nao) return true;
  if (r == tRESPOSTA::sim) {
    savetofile(curfilename);
    if (!changed) return true;
  }
  action = tFECHAR::nenhum;
  return false;
}

}  // namespace tarvinel
