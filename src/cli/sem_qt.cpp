// cmd_qt.cpp's place in a build without Qt: the commands that draw say they
// are not there, and the user's curves (in the desktop program's settings
// store) are not read.

#include "cli/comandos.h"

namespace tarvinel::cli {

int cmd_image(const tARGS&) {
  return erro("imagem indisponível: este tarvinel-cli foi construído sem Qt");
}

int cmd_pdf(const tARGS&) {
  return erro("pdf indisponível: este tarvinel-cli foi construído sem Qt");
}

void abre_curvas_usuario() {}

}  // namespace tarvinel::cli
