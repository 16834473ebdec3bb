#include "gui/shell/instala.h"

#include "gui/shell/about.h"
#include "gui/shell/ajuda.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/fmnovo.h"

namespace tarvinel {

void instala_sobre_novo(TfmMAIN& fm) {
  auto* about = new TfmABOUT(&fm);
  fm.set_sobre([about] {
    // Shown without modality by the change-history check: bring it back as
    // the modal window the menu entry asks for.
    if (about->isVisible()) about->hide();
    about->exec();
  });
  fm.set_checkchangelog([about] { checkchangelog(*about); });

  TfmNOVO::tACOES acoes;
  acoes.novocalc = fm.acao("NOVOCALC");
  acoes.novocoord = fm.acao("NOVOCOORD");
  acoes.abrir = fm.acao("OPEN");
  auto* novo = new TfmNOVO(
      fm.recentes(), acoes, [&fm](const std::string& nome) { fm.loadfile(false, nome); }, &fm);
  fm.set_fmnovo(novo);

  fm.set_manual([] { abre_manual(); });
  fm.set_checkupdate([] { checkupdate(); });
}

}  // namespace tarvinel
