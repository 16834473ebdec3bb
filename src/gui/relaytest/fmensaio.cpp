#include "gui/relaytest/fmensaio.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/coordination/pbchart.h"
#include "gui/dialogos.h"
#include "gui/janela.h"
#include "gui/sgtabela.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/selfile.h"
#include "gui/vlprop.h"
#include "platform/ensaio_qt.h"

namespace tarvinel {

namespace {

// Column "#": the row number over the empty cell.
class tNUMLINHA : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* opt, const QModelIndex& ix) const override {
    QStyledItemDelegate::initStyleOption(opt, ix);
    opt->text = QString::number(ix.row() + 1);
    opt->displayAlignment = Qt::AlignCenter;
  }
};

QPushButton* botao(const QString& texto, QWidget* pai, QObject* alvo, std::function<void()> faz) {
  auto* b = new QPushButton(texto, pai);
  QObject::connect(b, &QPushButton::clicked, alvo, [f = std::move(faz)] { f(); });
  return b;
}

}  // namespace

TfmENSAIO::TfmENSAIO(QObject* parent) : tFMBASE(parent) {
  extdef = "ens";
  changed = false;
  setcaption("novo ensaio de rele");
  chart.limites = {1, 10000, 0.01, 100};

  QWidget* pn = pnCONTAINER;
  pcMAIN = new QTabWidget(pn);

  // Page "Geral": the title of the chart and free notes.
  auto* geral = new QWidget(pcMAIN);
  auto* lg = new QVBoxLayout(geral);
  lg->addWidget(titulo_verde(QStringLiteral("Informações gerais"), geral));
  vlGERAL = new tVLPROP(geral);
  vlGERAL->setObjectName(QStringLiteral("vlGERAL"));
  vlGERAL->settitulos(QStringLiteral("Parâmetro"), QStringLiteral("Valor"));
  vlGERAL->setgrid(&folha.geral);
  lg->addWidget(vlGERAL, 1);
  pcMAIN->addTab(geral, QStringLiteral("Geral"));

  // Page "Ensaio": the table, its row buttons, the reference curve.
  auto* pag = new QWidget(pcMAIN);
  auto* le = new QVBoxLayout(pag);
  le->addWidget(titulo_verde(QStringLiteral("Tabela de ensaio"), pag));
  sgMAIN = new tSGTABELA(pag);
  sgMAIN->setObjectName(QStringLiteral("sgMAIN"));
  sgMAIN->setToolTip(QStringLiteral("Clique com botão direito para mais opções"));
  sgMAIN->seteditavel(true);
  sgMAIN->setfixa(colNUM);
  sgMAIN->setfixa(colDELTA);
  sgMAIN->setItemDelegateForColumn(colNUM, new tNUMLINHA(sgMAIN));
  sgMAIN->settabela(&folha.tabela);
  {
    tNOMES titulos;
    for (int c = 0; c < colCOUNT; ++c) titulos.push_back(folha.tabela.cell(c, 0));
    sg_autosize(folha.tabela, titulos);  // in the view's font, now that it measures
    sgMAIN->recarrega();
  }
  le->addWidget(sgMAIN, 1);

  auto* lb = new QHBoxLayout;
  btNOVO = botao(QStringLiteral("Novo Ponto"), pag, this, [this] { novoponto(); });
  btEXCLUIR = botao(QStringLiteral("Excluir"), pag, this, [this] { excluir(); });
  btSUBIR = botao(QStringLiteral("Subir"), pag, this, [this] { subir(); });
  btDESCER = botao(QStringLiteral("Descer"), pag, this, [this] { descer(); });
  for (QPushButton* b : {btNOVO, btEXCLUIR, btSUBIR, btDESCER}) lb->addWidget(b);
  le->addLayout(lb);
  ckATUALIZA = new QCheckBox(QStringLiteral("Atualizar TREF"), pag);
  ckATUALIZA->setToolTip(
      QStringLiteral("Atualizar o TREF automaticamente conforme curva ao modificar IREF"));
  le->addWidget(ckATUALIZA);

  le->addWidget(titulo_verde(QStringLiteral("Curva de refência"), pag));
  vlCURVA = new tVLPROP(pag);
  vlCURVA->setObjectName(QStringLiteral("vlCURVA"));
  vlCURVA->settitulos(QStringLiteral("Parâmetro"), QStringLiteral("Valor"));
  vlCURVA->setgrid(&folha.curva);
  vlCURVA->setMaximumHeight(vlCURVA->verticalHeader()->defaultSectionSize() * 7);
  le->addWidget(vlCURVA);
  btGERAR = botao(QStringLiteral("Gerar curva"), pag, this, [this] { gerarcurva(); });
  le->addWidget(btGERAR);
  pcMAIN->addTab(pag, QStringLiteral("Ensaio"));
  pcMAIN->setMinimumWidth(440);

  // The right-click options the table's hint promises: the row buttons.
  sgMAIN->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (QPushButton* b : {btNOVO, btEXCLUIR, btSUBIR, btDESCER, btGERAR}) {
    auto* a = new QAction(b->text(), sgMAIN);
    connect(a, &QAction::triggered, b, &QPushButton::click);
    sgMAIN->addAction(a);
  }

  pbCHART = new tPBCHART(pn);
  pbCHART->desenha = [this](tCANVAS& cv, int w, int h) { drawchart(cv, w, h); };

  auto* lay = new QHBoxLayout(pn);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->addWidget(pcMAIN);
  lay->addWidget(pbCHART, 1);

  connect(sgMAIN, &tSGTABELA::alterado, this, [this] { editado(); });
  connect(sgMAIN->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    if (folha.atualizatref) atualiza();
  });
  connect(vlGERAL, &tVLPROP::alterado, this, [this] { editado(); });
  connect(vlCURVA, &tVLPROP::alterado, this, [this] { editado(); });
  connect(vlCURVA, &tVLPROP::botao, this, [this](const QString& key) {
    if (key == QStringLiteral("Tipo de curva")) escolhe_curva();
  });
  connect(ckATUALIZA, &QCheckBox::toggled, this, [this](bool on) {
    folha.atualizatref = on;
    editado();
  });

  folha.avaliar();
}

TfmENSAIO::~TfmENSAIO() {
  // The views refer to the sheet: they go first, while it still exists.
  delete pnCONTAINER.data();
}

void TfmENSAIO::showprop() {
  {
    const QSignalBlocker b(ckATUALIZA);
    ckATUALIZA->setChecked(folha.atualizatref);
  }
  vlGERAL->recarrega();
  vlCURVA->recarrega();
  sgMAIN->recarrega();
  seleciona(1);
  folha.avaliar();
  pbCHART->update();
}

void TfmENSAIO::printexec(QPrinter& printer) {
  imprimeensaio(printer, folha);
  sgMAIN->viewport()->update();
}

void TfmENSAIO::savejpg(bool arquivo) {
  const QImage img = imagemensaio(folha);
  if (arquivo) {
    std::string nome = nome_proposto(curfilename, "nova imagem");
    if (sel_file(nome, {"jpg"}, true)) gravajpg(nome, img);
    return;
  }
  QApplication::clipboard()->setImage(img);
  dialogos().info(
      "Gráfico do ensaio foi copiado para área de transferência.\n"
      "Utilize as teclas \"CTRL+V\" dentro do seu documento para colar as informações.");
}

void TfmENSAIO::editado() {
  changed = true;
  atualiza();
}

void TfmENSAIO::atualiza() {
  if (folha.atualizatref) folha.atualizarow(sgMAIN->linha_atual());
  ensaio = folha.avaliar();
  // The views read the sheet's cells as they paint: a repaint shows the new
  // times without rebuilding the table (and without closing an open editor).
  sgMAIN->viewport()->update();
  pbCHART->update();
}

void TfmENSAIO::drawchart(tCANVAS& cv, int w, int h) {
  chart.canvas = &cv;
  ensaio = tarvinel::drawchart(chart, folha, w, h, sgMAIN->linha_atual());
  chart.canvas = nullptr;
  // The paint may have rewritten the current row's Tref and the differences.
  sgMAIN->viewport()->update();
}

void TfmENSAIO::seleciona(int row) {
  if (row < 1 || row > folha.linhas()) return;
  const int col = std::max<int>(colIREF, sgMAIN->currentIndex().column());
  sgMAIN->setCurrentIndex(sgMAIN->model()->index(row - 1, col));
}

void TfmENSAIO::gerarcurva() {
  const int atual = sgMAIN->linha_atual();
  folha.gerarcurva();
  sgMAIN->recarrega();
  seleciona(std::min(std::max(atual, 1), folha.linhas()));
  editado();
}

void TfmENSAIO::novoponto() {
  const int atual = sgMAIN->linha_atual();
  folha.novoponto();
  sgMAIN->recarrega();
  seleciona(atual);
  editado();
}

void TfmENSAIO::excluir() {
  const int antes = folha.linhas();
  const int sel = folha.excluir(sgMAIN->linha_atual());
  if (folha.linhas() == antes) return;
  sgMAIN->recarrega();
  seleciona(sel);
  editado();
}

void TfmENSAIO::subir() {
  const int atual = sgMAIN->linha_atual();
  const int sel = folha.subir(atual);
  if (sel == atual) return;
  sgMAIN->viewport()->update();
  seleciona(sel);
  editado();
}

void TfmENSAIO::descer() {
  const int atual = sgMAIN->linha_atual();
  const int sel = folha.descer(atual);
  if (sel == atual) return;
  sgMAIN->viewport()->update();
  seleciona(sel);
  editado();
}

void TfmENSAIO::escolhe_curva() {
  const std::optional<std::string> nome = dialogos().curva(folha.curva.value("Tipo de curva"));
  if (!nome || *nome == folha.curva.value("Tipo de curva")) return;
  folha.curva.setvalue("Tipo de curva", *nome);
  editado();
}

void registra_ensaio(TfmMAIN& fm) {
  tTIPODOC t;
  t.ext = "ens";
  t.abre = true;
  t.cria = [] { return std::unique_ptr<tFMBASE>(new TfmENSAIO); };
  fm.registra(std::move(t));
}

}  // namespace tarvinel
