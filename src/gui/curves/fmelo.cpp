#include "gui/curves/fmelo.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/curves/elofusivel.h"
#include "gui/dialogos.h"
#include "gui/janela.h"

namespace tarvinel {

namespace {
// The chooser registered with the dialogs service, so that a chooser that
// goes away only withdraws its own registration.
TfmELO* registrado = nullptr;
}  // namespace

TfmELO::TfmELO(QWidget* parent) : QDialog(parent, Qt::Tool) {
  setWindowTitle(QStringLiteral("Seleção de elo fusível"));
  setModal(true);

  auto* l = new QVBoxLayout(this);
  l->addWidget(titulo_verde(QStringLiteral("Lista de elos fusíveis"), this));
  tvMAIN = new QTreeWidget(this);
  tvMAIN->setHeaderHidden(true);
  tvMAIN->setColumnCount(1);
  tvMAIN->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tvMAIN->setSelectionMode(QAbstractItemView::SingleSelection);
  l->addWidget(tvMAIN, 1);
  btOK = new QPushButton(QStringLiteral("Selecionar"), this);
  btCANCEL = new QPushButton(QStringLiteral("Cancelar"), this);
  btOK->setDefault(true);
  btCANCEL->setAutoDefault(false);
  l->addWidget(btOK);
  l->addWidget(btCANCEL);
  // Wide enough for the whole title beside the window manager's buttons.
  resize(std::max(245, QFontMetrics(font()).horizontalAdvance(windowTitle()) + 140), 248);

  // Catalogue order; a new group node whenever the group changes.
  const tELO_LISTA& cat = elolista();
  std::string grupo;
  QTreeWidgetItem* no = nullptr;
  for (std::size_t i = 0; i < cat.size(); ++i) {
    const tELO_CURVA& c = cat.at(i);
    if (c.elo.find("max") != std::string::npos) continue;
    if (no == nullptr || c.grp != grupo) {
      grupo = c.grp;
      no = new QTreeWidgetItem(tvMAIN, QStringList(QString::fromStdString(grupo)));
    }
    new QTreeWidgetItem(no, QStringList(QString::fromStdString(c.elo)));
  }

  connect(tvMAIN, &QTreeWidget::itemSelectionChanged, this, [this] { selecionou(); });
  connect(btOK, &QPushButton::clicked, this, [this] {
    if (escolha()) accept();
  });
  connect(btCANCEL, &QPushButton::clicked, this, &QDialog::reject);
  // A double-click on a fuse link (or on "Nenhum") chooses it, as
  // "Selecionar" does.
  connect(tvMAIN, &QTreeWidget::itemDoubleClicked, this, [this] {
    if (escolha()) accept();
  });
  selecionou();

  registrado = this;
  set_seletor_elo([this](const std::string& val) { return sel_elo(val); });
}

TfmELO::~TfmELO() {
  if (registrado == this) {
    registrado = nullptr;
    set_seletor_elo({});
  }
}

std::optional<std::string> TfmELO::sel_elo(const std::string& val) {
  (void)val;
  centraliza(*this);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return escolha();
}

std::optional<std::string> TfmELO::escolha() const {
  const QList<QTreeWidgetItem*> sel = tvMAIN->selectedItems();
  if (sel.isEmpty()) return std::nullopt;
  const QTreeWidgetItem* no = sel.front();
  const std::string texto = no->text(0).toStdString();
  // A group is no fuse link: only "Nenhum" means something when chosen.
  if (no->parent() == nullptr && texto != kNENHUM) return std::nullopt;
  return texto;
}

void TfmELO::selecionou() {
  btOK->setEnabled(escolha().has_value());
}

}  // namespace tarvinel
