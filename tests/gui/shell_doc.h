#pragma once
// A small document kind for the shell tests: a one-line text document in a
// window with one label, registered under any extension the test wants.

#include <QLabel>
#include <QVBoxLayout>
#include <memory>
#include <string>

#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "core/foundation/projbase.h"
#include "gui/shell/fmbase.h"
#include "gui/shell/fmmain.h"

namespace tarvinel::teste {

class tPRJTEXTO : public tPROJBASE {
 public:
  std::string texto = "vazio";
  void savetofile(const std::string& f) override { gravartexto(f, texto); }
  void loadfromfile(const std::string& f) override { texto = lerbytes(f); }
};

class tFMTEXTO : public tFMBASE {
 public:
  explicit tFMTEXTO(const std::string& ext, bool comdoc = true) {
    extdef = ext;
    setcaption("novo " + ext);
    if (comdoc) prj = std::make_unique<tPRJTEXTO>();
    auto* lay = new QVBoxLayout(pnCONTAINER);
    rotulo = new QLabel(pnCONTAINER);
    lay->addWidget(rotulo);
  }
  tPROJBASE* projbase() override { return prj.get(); }
  void showprop() override {
    if (prj) rotulo->setText(QString::fromStdString(prj->texto));
  }
  void printexec(QPrinter&) override {
    ++impressoes;
    imprimindo = printing;
  }

  std::unique_ptr<tPRJTEXTO> prj;
  QLabel* rotulo = nullptr;
  int impressoes = 0;
  bool imprimindo = false;
};

// Registers the kind ext in the main window; windows without a document object
// when comdoc is false (like the relay test sheet).
inline void registra_texto(TfmMAIN& fm, const std::string& ext, bool abre = true,
                           bool comdoc = true) {
  fm.registra({ext, abre, [ext, comdoc] { return std::make_unique<tFMTEXTO>(ext, comdoc); }});
}

inline tFMTEXTO* texto(tFMBASE* w) {
  return dynamic_cast<tFMTEXTO*>(w);
}

}  // namespace tarvinel::teste
