#pragma once
// The program's icons, painted as vector drawings so they stay sharp at 16,
// 32 and 64 pixels (tool bar, tab strip, welcome screen buttons).

#include <QIcon>
#include <string>

namespace tarvinel {

enum class tFIGURA {
  novocalc,
  novocoord,
  ensaio,
  abrir,
  salvar,
  salvarcomo,
  imprimir,
  programa,
  desfazer,
  refazer
};

QIcon figura(tFIGURA f);
// One size of a figure.
QPixmap figura_pixmap(tFIGURA f, int lado);
// The icon of a document window's tab by its kind (extdef).
QIcon figura_doc(const std::string& extdef);

}  // namespace tarvinel
