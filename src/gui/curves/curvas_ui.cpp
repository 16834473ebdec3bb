#include "gui/curves/curvas_ui.h"

#include <QPointer>

#include "gui/curves/fmcurva.h"
#include "gui/curves/fmelo.h"

namespace tarvinel {

namespace {
QPointer<TfmCURVA>& curva() {
  static QPointer<TfmCURVA> p;
  return p;
}
QPointer<TfmELO>& elo() {
  static QPointer<TfmELO> p;
  return p;
}
}  // namespace

void cria_janelas_curvas(QWidget* principal) {
  if (!curva()) curva() = new TfmCURVA(principal);
  if (!elo()) elo() = new TfmELO(principal);
}

TfmCURVA* fmCURVA() {
  return curva();
}
TfmELO* fmELO() {
  return elo();
}

}  // namespace tarvinel
