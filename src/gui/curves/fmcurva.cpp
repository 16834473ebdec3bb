#include "gui/curves/fmcurva.h"

#include <fmt/printf.h>

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "core/curves/freliga.h"
#include "core/curves/inifile.h"
#include "core/foundation/numtxt.h"
#include "gui/comando.h"
#include "gui/curves/fm_edit_curve.h"
#include "gui/dialogos.h"
#include "gui/janela.h"
#include "platform/canvas_qt.h"

namespace tarvinel {

namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// The "Imax" choices: the end of the preview's current axis, in multiples of
// pickup.
const char* const kIMAX[] = {"10", "100", "1E3", "10E3", "100E3"};

// The chooser registered with the dialogs service, so that a browser that
// goes away only withdraws its own registration.
TfmCURVA* registrado = nullptr;

// The preview's paint box: every paint draws the browser's chart afresh.
class tPBCHART : public QWidget {
 public:
  explicit tPBCHART(TfmCURVA* fm) : QWidget(fm), fm_(fm) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    tCANVASQT c(p, width(), height());
    fm_->drawchart(c, width(), height());
  }

 private:
  TfmCURVA* fm_;
};

}  // namespace

TfmCURVA::TfmCURVA(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Editor de curva personalizada"));
  setModal(true);
  resize(825, 527);

  // Left column: heading, tree, the three user-curve buttons.
  auto* esquerda = new QVBoxLayout;
  esquerda->addWidget(titulo_verde(QStringLiteral("Curvas de proteção"), this));
  tvMAIN = new QTreeWidget(this);
  tvMAIN->setHeaderHidden(true);
  tvMAIN->setColumnCount(1);
  tvMAIN->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tvMAIN->setSelectionMode(QAbstractItemView::SingleSelection);
  tvMAIN->setSelectionBehavior(QAbstractItemView::SelectRows);
  tvMAIN->setAllColumnsShowFocus(true);
  tvMAIN->setMinimumWidth(200);
  esquerda->addWidget(tvMAIN, 1);
  btEDIT = new QPushButton(QStringLiteral("Editar curva"), this);
  btADD = new QPushButton(QStringLiteral("Adicionar"), this);
  btDEL = new QPushButton(QStringLiteral("Excluir"), this);
  for (QPushButton* b : {btEDIT, btADD, btDEL}) {
    b->setAutoDefault(false);
    esquerda->addWidget(b);
  }

  // Right part: the selected curve, the framed preview with "Imax" in its
  // top-left corner, and the dialog buttons.
  auto* direita = new QVBoxLayout;
  lbCURVA = titulo_verde(QStringLiteral("Curva selecionada: ???"), this);
  direita->addWidget(lbCURVA);
  auto* moldura = new QFrame(this);
  moldura->setFrameShape(QFrame::StyledPanel);
  auto* lm = new QVBoxLayout(moldura);
  lm->setContentsMargins(1, 1, 1, 1);
  pbCHART = new tPBCHART(this);
  pbCHART->setMinimumSize(200, 200);
  lm->addWidget(pbCHART);
  auto* canto = new QHBoxLayout;
  canto->setContentsMargins(4, 4, 4, 4);
  canto->addWidget(new QLabel(QStringLiteral("Imax"), pbCHART));
  cbIMAX = new QComboBox(pbCHART);
  for (const char* t : kIMAX) cbIMAX->addItem(QString::fromLatin1(t));
  cbIMAX->setCurrentIndex(1);  // "100"
  canto->addWidget(cbIMAX);
  canto->addStretch(1);
  auto* sobre = new QVBoxLayout(pbCHART);
  sobre->setContentsMargins(0, 0, 0, 0);
  sobre->addLayout(canto);
  sobre->addStretch(1);
  direita->addWidget(moldura, 1);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  btCANCEL = new QPushButton(QStringLiteral("Cancelar"), this);
  btOK = new QPushButton(QStringLiteral("OK"), this);
  btCANCEL->setAutoDefault(false);
  btOK->setDefault(true);
  botoes->addWidget(btCANCEL);
  botoes->addWidget(btOK);
  direita->addLayout(botoes);

  auto* tudo = new QHBoxLayout(this);
  tudo->addLayout(esquerda, 0);
  tudo->addLayout(direita, 1);

  // The tree: the fixed groups, then "CUSTOM" for the user curves.
  for (const tGRUPO_CURVAS& g : curvegroups()) {
    auto* no = new QTreeWidgetItem(tvMAIN, QStringList(qs(g.nome)));
    for (const std::string& c : g.curvas) new QTreeWidgetItem(no, QStringList(qs(c)));
  }
  cus = new QTreeWidgetItem(tvMAIN, QStringList(QStringLiteral("CUSTOM")));

  // The preview in multiples of pickup: 0.5 to "Imax" times the pickup,
  // 0.01 s to 100 s, current labels as plain numbers, no legend.
  chart.setwh(pbCHART->width(), pbCHART->height(), 50);
  chart.limites = {0.5, 100, 0.01, 100};
  chart.titulo = "tempo x Ic/Ip";
  chart.showlegend = false;

  connect(tvMAIN, &QTreeWidget::itemSelectionChanged, this, [this] { selecionou(); });
  connect(cbIMAX, &QComboBox::currentIndexChanged, this, [this] { pbCHART->update(); });
  connect(btEDIT, &QPushButton::clicked, this, [this] { comando([this] { editar(); }); });
  connect(btADD, &QPushButton::clicked, this, [this] { comando([this] { adicionar(); }); });
  connect(btDEL, &QPushButton::clicked, this, [this] { comando([this] { excluir(); }); });
  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCANCEL, &QPushButton::clicked, this, &QDialog::reject);
  // A double-click on a curve chooses it, as "OK" does; on a group it only
  // opens or closes the group.
  connect(tvMAIN, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* no) {
    if (no != nullptr && no->parent() != nullptr) accept();
  });

  fm_edit = new Tfm_edit_curve(this);
  showcurves();

  registrado = this;
  set_seletor_curva([this](const std::string& nome) { return sel_cur(nome); });
}

TfmCURVA::~TfmCURVA() {
  if (registrado == this) {
    registrado = nullptr;
    set_seletor_curva({});
  }
}

std::optional<std::string> TfmCURVA::sel_cur(const std::string& nom_cur) {
  setcursel(nom_cur);
  showcurves();
  centraliza(*this);
  const bool ok = exec() == QDialog::Accepted;
  // The user curves made or changed while the window was open reach the
  // settings store now rather than only at the end of the program.
  comando([] { inifile().savecurves(); });
  if (!ok) return std::nullopt;
  return cur_sel;
}

void TfmCURVA::showcurves(std::optional<int> usuario) {
  // Rebuilding the user nodes would move the selection around; the choice of
  // curve is made here, not by those intermediate selections.
  const QSignalBlocker bloqueio(tvMAIN);
  for (QTreeWidgetItem* f : cus->takeChildren()) delete f;
  for (const tUSERCURVE& u : usercurves()) new QTreeWidgetItem(cus, QStringList(qs(u.nom)));
  cus->setExpanded(true);

  QTreeWidgetItem* alvo = nullptr;
  if (usuario && *usuario >= 0 && *usuario < cus->childCount()) {
    alvo = cus->child(*usuario);
  } else {
    const QString nome = qs(cur_sel);
    for (int g = 0; g < tvMAIN->topLevelItemCount() && alvo == nullptr; ++g) {
      QTreeWidgetItem* grupo = tvMAIN->topLevelItem(g);
      for (int c = 0; c < grupo->childCount(); ++c) {
        if (grupo->child(c)->text(0) == nome) {
          alvo = grupo->child(c);
          break;
        }
      }
    }
  }
  tvMAIN->clearSelection();
  tvMAIN->setCurrentItem(alvo);
  if (alvo != nullptr) {
    alvo->setSelected(true);
    tvMAIN->scrollToItem(alvo);
    setcursel(alvo->text(0).toStdString());
  }
  tvMAIN->setFocus();
  pbCHART->update();
}

void TfmCURVA::setcursel(const std::string& nome) {
  cur_sel = nome;
  lbCURVA->setText(qs(fmt::sprintf("Curva selecionada: %s", cur_sel)));
}

void TfmCURVA::selecionou() {
  const QList<QTreeWidgetItem*> sel = tvMAIN->selectedItems();
  if (sel.isEmpty()) return;
  QTreeWidgetItem* no = sel.front();
  // A group node changes nothing.
  if (no->parent() == nullptr) return;
  setcursel(no->text(0).toStdString());
  pbCHART->update();
}

std::optional<int> TfmCURVA::usuario_selecionado() const {
  const QList<QTreeWidgetItem*> sel = tvMAIN->selectedItems();
  if (sel.isEmpty() || sel.front()->parent() != cus) return std::nullopt;
  return cus->indexOfChild(sel.front());
}

void TfmCURVA::editar() {
  const auto k = usuario_selecionado();
  if (!k) return;
  setcursel(fm_edit->edit_curve(*k));
  // The edited curve stays selected even when its new name repeats an
  // earlier curve's.
  showcurves(*k);
}

void TfmCURVA::adicionar() {
  tUSERCURVE nova;
  nova.init();
  usercurves().push_back(nova);
  setcursel(nova.nom);
  // The new curve is the one selected, so that "Editar curva" right after
  // edits it and not an older curve of the same name.
  showcurves(static_cast<int>(usercurves().size()) - 1);
}

void TfmCURVA::excluir() {
  const auto k = usuario_selecionado();
  if (!k) return;
  auto& lista = usercurves();
  // The node's own curve, by position: a name may repeat.
  if (*k >= static_cast<int>(lista.size())) return;
  lista.erase(lista.begin() + *k);
  // cur_sel keeps the deleted name; another curve of that name, if any, is
  // selected in its place.
  showcurves();
}

void TfmCURVA::drawchart(tCANVAS& canvas, int w, int h) {
  chart.canvas = &canvas;
  chart.limpafundo = true;
  chart.linhafina = 1;
  chart.linhagrossa = 3;
  chart.limites.xh = txt2real(cbIMAX->currentText().toStdString(), 100, 10, 1000000);
  chart.setwh(w, h, 50);
  canvas.setfontname("Tahoma");
  canvas.setfontsize(10);
  chart.defaultpen();
  chart.curveditor = true;
  chart.repaint();
  chart.defaultpen();
  canvas.setpenwidth(2);
  canvas.setpencolor(clRed);

  // A fixed user curve is drawn through its stored points: currents as
  // multiples of the table's pickup, the times as they are stored (its dial
  // scales the curve only where a study uses it).
  const tUSERCURVE* fixa = nullptr;
  if (cur_sel != "OFF" && cur_sel != "NC-OFF") {
    for (const tUSERCURVE& u : usercurves()) {
      if (u.nom == cur_sel) {
        if (!u.adj && u.ip > 0 && u.dt > 0) fixa = &u;
        break;
      }
    }
  }
  if (fixa != nullptr) {
    for (int k = 0; k < Tfm_edit_curve::kPontos; ++k)
      chart.pushline(fixa->amp[static_cast<std::size_t>(k)] / fixa->ip,
                     fixa->tim[static_cast<std::size_t>(k)]);
    chart.flushline();
  } else {
    tFRELIGA f;
    f.reset();
    f.nom_cur = cur_sel;
    f.drawto(chart, "");
  }
  chart.canvas = nullptr;
}

}  // namespace tarvinel
