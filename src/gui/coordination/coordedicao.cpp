// The coordination window as a place to work in: the view with its zoom and
// pan, the undo steps of the document and the duplicate command.
//
// An undo step holds two whole states of the document (tESTADO): the block
// text the file would hold, the page "Gráfico" and the selection. Undo puts
// the earlier state back by reading that text, so whatever a setting stores
// in its block comes back exactly as the file would have it.

#include <fmt/printf.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>
#include <cmath>

#include "core/coordination/prjcoord.h"
#include "core/foundation/numtxt.h"
#include "core/foundation/stringarq.h"
#include "gui/comando.h"
#include "gui/coordination/coordx.h"
#include "gui/coordination/listaajustes.h"
#include "gui/coordination/pbchart.h"
#include "gui/vlprop.h"

namespace tarvinel {

namespace {

constexpr int kFOLGA = 50;  // the screen's margin, as drawto gets it
constexpr int kPASSOS = 1000;
// How far the view may go, and how narrow it may become (decades).
constexpr double kCORMIN = 0.1, kCORMAX = 1e6, kTMPMIN = 0.01, kTMPMAX = 1000;
constexpr double kFAIXAMIN = 1.0 / 6;
// One wheel notch and one key press.
constexpr double kNOTCH = 1.25, kTECLA = 1.5;

// A range [lo, hi] in decades kept within [mn, mx] (shifted, not squeezed,
// when it fits) and at least kFAIXAMIN wide.
void limita(double& lo, double& hi, double mn, double mx) {
  double a = std::log10(lo), b = std::log10(hi);
  const double amin = std::log10(mn), bmax = std::log10(mx);
  if (b - a < kFAIXAMIN) {
    const double m = (a + b) / 2;
    a = m - kFAIXAMIN / 2;
    b = m + kFAIXAMIN / 2;
  }
  if (b - a > bmax - amin) {
    a = amin;
    b = bmax;
  }
  if (a < amin) {
    b += amin - a;
    a = amin;
  }
  if (b > bmax) {
    a -= b - bmax;
    b = bmax;
  }
  lo = std::pow(10.0, a);
  hi = std::pow(10.0, b);
}

class tPASSO : public QUndoCommand {
 public:
  tPASSO(TfmCOORD& w, const std::string& nome, TfmCOORD::tESTADO antes, TfmCOORD::tESTADO depois)
      : w_(w), antes_(std::move(antes)), depois_(std::move(depois)) {
    setText(QString::fromStdString(nome));
  }
  void undo() override { w_.restaura(antes_); }
  // The first redo is the push: the change is already made.
  void redo() override {
    if (feito_) w_.restaura(depois_);
    feito_ = true;
  }

 private:
  TfmCOORD& w_;
  TfmCOORD::tESTADO antes_, depois_;
  bool feito_ = false;
};

}  // namespace

void TfmCOORD::criaedicao() {
  pilha_ = new QUndoStack(this);
  pilha_->setUndoLimit(kPASSOS);
  // `changed` follows the clean state: undoing back to the saved document
  // clears it, redoing past it sets it again.
  auto segue = [this] {
    if (restaurando_) return;
    const bool c = !pilha_->isClean();
    if (c == changed) return;
    changed = c;
    emit captionchanged();
  };
  connect(pilha_, &QUndoStack::indexChanged, this, segue);
  connect(pilha_, &QUndoStack::cleanChanged, this, segue);

  acDUPLICAR = new QAction(QStringLiteral("Duplicar"), pnCONTAINER);
  acDUPLICAR->setObjectName(QStringLiteral("acDUPLICAR"));
  acDUPLICAR->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  acDUPLICAR->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  acDUPLICAR->setStatusTip(QStringLiteral("Duplica o ajuste selecionado logo abaixo dele."));
  pnCONTAINER->addAction(acDUPLICAR);
  pmAJUSTE->addSeparator();
  pmAJUSTE->addAction(acDUPLICAR);
  connect(acDUPLICAR, &QAction::triggered, this, [this] { comando([&] { duplicar(); }); });

  pbCHART->roda = [this](double x, double y, int d, Qt::KeyboardModifiers m) {
    roda_chart(x, y, d, m);
  };
  pbCHART->arrasta = [this](double dx, double dy, bool comeca) { arrasta_chart(dx, dy, comeca); };
  pbCHART->tecla = [this](int k) { tecla_chart(k); };

  atual_ = estado();
}

// ---- the view ------------------------------------------------------------------------

tRECTX TfmCOORD::limites_graf() const {
  const tOPCOES_GRAF o = opcoes();
  return {o.lim_inf, o.lim_sup, o.tmp_inf, o.tmp_sup};
}

tRECTX TfmCOORD::vista_atual() const {
  return temvista_ ? vista_ : limites_graf();
}

tOPCOES_GRAF TfmCOORD::opcoes_tela() const {
  tOPCOES_GRAF o = opcoes();
  const tRECTX v = vista_atual();
  o.lim_verif = o.lim_sup;
  o.lim_inf = v.xl;
  o.lim_sup = v.xh;
  o.tmp_inf = v.yl;
  o.tmp_sup = v.yh;
  return o;
}

tOPCOES_GRAF TfmCOORD::opcoes_saida() const {
  return cbVISTA->isChecked() ? opcoes_tela() : opcoes();
}

void TfmCOORD::zoom(double fator, double x, double y, bool corrente, bool tempo) {
  if (!(fator > 0) || !std::isfinite(fator)) return;
  tCHARTX m;
  m.limites = vista_atual();
  m.setwh(pbCHART->width(), pbCHART->height(), kFOLGA);
  const tPOINTX p = m.px2rl(x, y);
  tRECTX v = m.limites;
  // The point under the mouse stays where it is.
  auto escala = [fator](double& lo, double& hi, double c) {
    const double lc = std::log10(c);
    lo = std::pow(10.0, lc - (lc - std::log10(lo)) / fator);
    hi = std::pow(10.0, lc + (std::log10(hi) - lc) / fator);
  };
  if (corrente && p.x > 0 && std::isfinite(p.x)) escala(v.xl, v.xh, p.x);
  if (tempo && p.y > 0 && std::isfinite(p.y)) escala(v.yl, v.yh, p.y);
  limita(v.xl, v.xh, kCORMIN, kCORMAX);
  limita(v.yl, v.yh, kTMPMIN, kTMPMAX);
  vista_ = v;
  temvista_ = true;
  redesenha_vista();
}

void TfmCOORD::pan(const tRECTX& de, double dx, double dy) {
  tCHARTX m;
  m.setwh(pbCHART->width(), pbCHART->height(), kFOLGA);
  const double W = m.window.width() - 1, H = m.window.height() - 1;
  if (!(W > 0 && H > 0)) return;
  const double kx = -dx / W * std::log10(de.xh / de.xl);
  const double ky = dy / H * std::log10(de.yh / de.yl);
  tRECTX v{de.xl * std::pow(10.0, kx), de.xh * std::pow(10.0, kx), de.yl * std::pow(10.0, ky),
           de.yh * std::pow(10.0, ky)};
  limita(v.xl, v.xh, kCORMIN, kCORMAX);
  limita(v.yl, v.yh, kTMPMIN, kTMPMAX);
  vista_ = v;
  temvista_ = true;
  redesenha_vista();
}

void TfmCOORD::vista_limites() {
  temvista_ = false;
  redesenha_vista();
}

void TfmCOORD::roda_chart(double x, double y, int delta, Qt::KeyboardModifiers m) {
  const double f = std::pow(kNOTCH, delta / 120.0);
  const bool ctrl = m & Qt::ControlModifier, shift = m & Qt::ShiftModifier;
  zoom(f, x, y, !shift || ctrl, !ctrl || shift);
}

void TfmCOORD::arrasta_chart(double dx, double dy, bool comeca) {
  if (comeca) {
    // The press began a drag, not a click: cursor A goes back.
    vista_pan_ = vista_atual();
    cur_med.c1 = c1_antes_;
    mmHINT->setPlainText(hint_antes_);
  }
  pan(vista_pan_, dx, dy);
}

void TfmCOORD::tecla_chart(int key) {
  const double x = pbCHART->width() / 2.0 + kFOLGA / 4.0, y = pbCHART->height() / 2.0;
  if (key == Qt::Key_Plus || key == Qt::Key_Equal) zoom(kTECLA, x, y, true, true);
  if (key == Qt::Key_Minus) zoom(1 / kTECLA, x, y, true, true);
  if (key == Qt::Key_0) vista_limites();
}

// ---- undo and redo --------------------------------------------------------------

TfmCOORD::tESTADO TfmCOORD::estado() const {
  tESTADO e;
  tSTRINGARQ arq;
  proj->saveblock(arq);
  e.linhas = arq.lines();
  for (const QCheckBox* c : {cbLEGENDA, cbFASE, cbNEUTRO, cbCURSOR, cbLINHA})
    e.pagina.push_back(c->isChecked() ? 1 : 0);
  e.pagina.push_back(cbLIMITE_INF->currentIndex());
  e.pagina.push_back(cbLIMITE_SUP->currentIndex());
  e.sel = selecionado();
  return e;
}

void TfmCOORD::restaura(const tESTADO& e) {
  restaurando_ = true;
  {
    QCheckBox* cs[] = {cbLEGENDA, cbFASE, cbNEUTRO, cbCURSOR, cbLINHA};
    int k = 0;
    for (QCheckBox* x : cs) {
      const QSignalBlocker b(x);
      if (k < static_cast<int>(e.pagina.size())) x->setChecked(e.pagina[k] != 0);
      ++k;
    }
    if (e.pagina.size() >= 7) {
      const QSignalBlocker bi(cbLIMITE_INF), bs(cbLIMITE_SUP);
      cbLIMITE_INF->setCurrentIndex(e.pagina[5]);
      cbLIMITE_SUP->setCurrentIndex(e.pagina[6]);
    }
  }
  // The settings are made anew from the block text, as a file read makes
  // them; the descriptive keys are all in it.
  tSTRINGARQ arq;
  for (const std::string& l : e.linhas) arq.add(l);
  ajsel = nullptr;
  vlitem.clear();
  btAPLICAR->setEnabled(false);
  proj->ajustes.destroyitens();
  if (arq.next() && arq.line == "projeto-coord{") proj->loadblock(arq);
  showprop();
  const int n = proj->ajustes.count();
  mostra_selecao(n == 0 ? -1 : std::clamp(e.sel < 0 ? n - 1 : e.sel, 0, n - 1));
  atual_ = estado();
  restaurando_ = false;
  redesenha();
}

void TfmCOORD::mostra_selecao(int i) {
  showitens(false);
  if (i >= 0 && i < proj->ajustes.count() && i != selecionado()) seleciona(i);
}

void TfmCOORD::registra(const std::string& nome) {
  if (restaurando_ || pilha_ == nullptr) return;
  tESTADO depois = estado();
  if (depois.linhas == atual_.linhas && depois.pagina == atual_.pagina) {
    atual_.sel = depois.sel;
    return;
  }
  tESTADO antes = std::move(atual_);
  atual_ = depois;
  pilha_->push(new tPASSO(*this, nome, std::move(antes), std::move(depois)));
}

void TfmCOORD::desfazer_outro_documento() {
  if (pilha_ == nullptr || restaurando_) return;
  pilha_->clear();
  // Settings put in from outside (a chart made from a calculation) are not
  // a saved file: no step leads back to an unchanged document.
  pilha_->resetClean();
  atual_ = estado();
}

void TfmCOORD::desfazer() {
  if (btAPLICAR->isEnabled()) aplicar();
  pilha_->undo();
}

void TfmCOORD::refazer() {
  if (btAPLICAR->isEnabled()) aplicar();
  pilha_->redo();
}

void TfmCOORD::savetofile(const std::string& filename) {
  tFMBASE::savetofile(filename);
  if (!changed) {
    pilha_->setClean();
    atual_ = estado();
  }
}

// ---- duplicate ------------------------------------------------------------------------

void TfmCOORD::duplicar() {
  if (ajsel == nullptr) return;
  if (btAPLICAR->isEnabled()) aplicar();
  const int i = selecionado();
  std::unique_ptr<tAJUSTE> c = ajsel->copy();
  if (!c || i < 0) return;
  const std::string nome = ajsel->caption;
  c->caption += " (cópia)";
  tAJUSTE_LISTA& l = proj->ajustes;
  // Appended and then moved into place, so that the list keeps whatever it
  // ties to positions right.
  l.add(std::move(c));
  l.move(l.count() - 1, i + 1);
  mostra_selecao(i + 1);
  redesenha();
  registra("Duplicar: " + nome);
}

}  // namespace tarvinel
