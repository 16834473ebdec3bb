#include "gui/coordination/coordx.h"

#include <fmt/printf.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/referencia.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"
#include "gui/comando.h"
#include "gui/coordination/listaajustes.h"
#include "gui/coordination/pbchart.h"
#include "gui/dialogos.h"
#include "gui/janela.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/hints.h"
#include "gui/shell/selfile.h"
#include "gui/vlprop.h"
#include "platform/coordimpressao.h"

namespace tarvinel {

namespace {

constexpr int kLARGURA_ESQUERDA = 337;
// The left column while the page "Verificação" is shown: room for the
// table's eight columns, the chart still beside it.
constexpr int kLARGURA_VERIF = 700;
constexpr int kFOLGA_TELA = 50;

constexpr const char* kPERGUNTA_APLICAR =
    "Uma ou mais propriedades do item selecionado foram alteradas. Deseja aplicar as "
    "alterações?";
constexpr const char* kCTI_RELE = "Intervalo de coordenação relé-relé [s]";
constexpr const char* kCTI_ELO = "Intervalo de coordenação relé-elo [s]";
constexpr const char* kCOLAR =
    "Utilize as teclas \"CTRL+V\" dentro do seu documento para colar as informações.";

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

std::string texto_entrada(int i, const tAJUSTE& a) {
  return fmt::sprintf("%d) %s: %s", i + 1, a.paramname, a.caption);
}

// "Any key pressed in vlPROP" counts as an edit of the general data.
class tTECLAS : public QObject {
 public:
  tTECLAS(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::KeyPress) f_();
    return QObject::eventFilter(o, e);
  }

 private:
  std::function<void()> f_;
};

}  // namespace

// ---- creation -------------------------------------------------------------------

TfmCOORD::TfmCOORD() : proj(std::make_unique<tPRJCOORD>()) {
  extdef = "coord";
  setcaption("novo coordenograma");
  changed = false;

  // The chart's time range stays 0.01 to 100 s; the current range comes from
  // the two limit lists at every drawing.
  chart.limites = tRECTX{1, 10000, 0.01, 100};

  vlprop.setvalue("Título", "");
  vlprop.setvalue("Subestação", "");
  vlprop.setvalue("Alimentador", "");
  vlprop.setvalue("Responsavel", "");

  criacontroles();
  criamenu();
  criaedicao();

  pcMAIN->setCurrentIndex(0);
  showitens(false);
  showprop();
}

TfmCOORD::~TfmCOORD() {
  // Signals the controls may still send while they go (a view losing its
  // rows) find no selection and no drawing to do.
  ajsel = nullptr;
  if (pilha_ != nullptr) pilha_->disconnect(this);
  if (pbCHART != nullptr) {
    pbCHART->desenha = nullptr;
    pbCHART->clique = nullptr;
    pbCHART->move = nullptr;
  }
  // The views refer to the models of this object; detach them before the
  // panel (and the views) go with the base.
  if (vlITEM != nullptr) vlITEM->setgrid(nullptr);
  if (vlPROP != nullptr) vlPROP->setgrid(nullptr);
}

void TfmCOORD::criacontroles() {
  QWidget* pn = pnCONTAINER;
  auto* raiz = new QHBoxLayout(pn);
  raiz->setContentsMargins(0, 0, 0, 0);
  raiz->setSpacing(2);

  auto* esquerda = new QWidget(pn);
  esquerda->setFixedWidth(kLARGURA_ESQUERDA);
  auto* le = new QVBoxLayout(esquerda);
  le->setContentsMargins(2, 2, 2, 2);
  raiz->addWidget(esquerda);

  pcMAIN = new QTabWidget(esquerda);
  pcMAIN->setObjectName(QStringLiteral("pcMAIN"));
  le->addWidget(pcMAIN, 1);

  // Page "Ajustes".
  auto* pgAJUSTES = new QWidget;
  auto* la = new QVBoxLayout(pgAJUSTES);
  la->addWidget(titulo_verde(QStringLiteral("Ajustes Instalados"), pgAJUSTES));
  auto* linha = new QHBoxLayout;
  linha->setSpacing(2);
  cbLISTA = new tLISTAAJUSTES(pgAJUSTES);
  cbLISTA->setObjectName(QStringLiteral("cbLISTA"));
  cbLISTA->setToolTip(QStringLiteral(
      "Selecione um dos ajustes instalados e modifique as propriedades do mesmo utilizando a "
      "tabela abaixo"));
  Image1 = new QToolButton(pgAJUSTES);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setArrowType(Qt::UpArrow);
  Image1->setAutoRaise(true);
  Image1->setToolTip(QStringLiteral("Mover item para cima."));
  Image2 = new QToolButton(pgAJUSTES);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setArrowType(Qt::DownArrow);
  Image2->setAutoRaise(true);
  Image2->setToolTip(QStringLiteral("Mover item para baixo."));
  Button3 = new QPushButton(QStringLiteral("-"), pgAJUSTES);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button3->setFixedWidth(28);
  Button3->setToolTip(QStringLiteral("Excluir ajuste selecionado"));
  btADD = new QToolButton(pgAJUSTES);
  btADD->setObjectName(QStringLiteral("btADD"));
  btADD->setText(QStringLiteral("+"));
  btADD->setToolTip(QStringLiteral("Adicionar ajustes ao coordenograma"));
  btADD->setPopupMode(QToolButton::MenuButtonPopup);
  linha->addWidget(cbLISTA, 1);
  linha->addWidget(Image1);
  linha->addWidget(Image2);
  linha->addWidget(Button3);
  linha->addWidget(btADD);
  la->addLayout(linha);
  la->addWidget(titulo_verde(QStringLiteral("Propriedades"), pgAJUSTES));
  vlITEM = new tVLPROP(pgAJUSTES);
  vlITEM->setObjectName(QStringLiteral("vlITEM"));
  vlITEM->setgrid(&vlitem);
  la->addWidget(vlITEM, 1);
  pcMAIN->addTab(pgAJUSTES, QStringLiteral("Ajustes"));

  // Page "Geral".
  auto* pgGERAL = new QWidget;
  auto* lg = new QVBoxLayout(pgGERAL);
  lg->addWidget(titulo_verde(QStringLiteral("Informações gerais"), pgGERAL));
  vlPROP = new tVLPROP(pgGERAL);
  vlPROP->setObjectName(QStringLiteral("vlPROP"));
  vlPROP->setgrid(&vlprop);
  lg->addWidget(vlPROP, 1);
  pcMAIN->addTab(pgGERAL, QStringLiteral("Geral"));

  // Page "Gráfico".
  auto* pgGRAF = new QWidget;
  auto* lf = new QVBoxLayout(pgGRAF);
  lf->addWidget(titulo_verde(QStringLiteral("Configurações do gráfico"), pgGRAF));
  auto caixa = [&](const char* nome, const char* texto, bool marcado) {
    auto* c = new QCheckBox(QString::fromUtf8(texto), pgGRAF);
    c->setObjectName(QString::fromLatin1(nome));
    c->setChecked(marcado);
    lf->addWidget(c);
    return c;
  };
  cbLEGENDA = caixa("cbLEGENDA", "Mostrar legendas no gráfico", true);
  cbFASE = caixa("cbFASE", "Mostrar curvas de fase", true);
  cbNEUTRO = caixa("cbNEUTRO", "Mostrar curvas de neutro", true);
  cbSEPARAR = caixa("cbSEPARAR", "Imprimir FASE/NEUTRO separadamente", false);
  cbCURSOR = caixa("cbCURSOR", "Cursor de medição", false);
  cbCURSOR->setToolTip(QStringLiteral(
      "Utilize o botão esquerdo do mouse para definir o ponto A e utiliz eo botão direito para "
      "definir o ponto B."));
  cbLINHA = caixa("cbLINHA", "Curva de FASE pontilhada", false);
  cbLINHA->setToolTip(QStringLiteral("Define tipo de traçado da curva de FASE/NEUTRO"));
  cbVISTA = caixa("cbVISTA", "Imprimir vista atual", false);
  cbVISTA->setToolTip(QStringLiteral(
      "Imprime e exporta a imagem com o zoom da tela em vez dos limites do gráfico."));
  auto* limites = new QHBoxLayout;
  auto* lbLIM = new QLabel(QStringLiteral("Lmites do gráfico:"), pgGRAF);
  lbLIM->setToolTip(QStringLiteral("Faixa de corrente a ser exibida no gráfico"));
  cbLIMITE_INF = new QComboBox(pgGRAF);
  cbLIMITE_INF->setObjectName(QStringLiteral("cbLIMITE_INF"));
  for (const char* s : {"1", "3", "5", "7", "10", "30", "50", "70", "100", "300", "500"})
    cbLIMITE_INF->addItem(QString::fromLatin1(s));
  cbLIMITE_INF->setCurrentIndex(0);
  cbLIMITE_SUP = new QComboBox(pgGRAF);
  cbLIMITE_SUP->setObjectName(QStringLiteral("cbLIMITE_SUP"));
  for (const char* s : {"1", "3", "5", "7", "10", "50", "100"})
    cbLIMITE_SUP->addItem(QString::fromLatin1(s));
  cbLIMITE_SUP->setCurrentText(QStringLiteral("10"));
  limites->addWidget(lbLIM);
  limites->addWidget(cbLIMITE_INF);
  limites->addWidget(new QLabel(QStringLiteral("[A] até"), pgGRAF));
  limites->addWidget(cbLIMITE_SUP);
  limites->addWidget(new QLabel(QStringLiteral("[kA]"), pgGRAF));
  limites->addStretch(1);
  lf->addLayout(limites);
  lf->addStretch(1);
  pcMAIN->addTab(pgGRAF, QStringLiteral("Gráfico"));

  // Page "Verificação".
  auto* pgVERIF = new QWidget;
  auto* lv = new QVBoxLayout(pgVERIF);
  lv->addWidget(titulo_verde(QString::fromUtf8("Verificação da coordenação"), pgVERIF));
  lbVERIF = new QLabel(pgVERIF);
  lbVERIF->setObjectName(QStringLiteral("lbVERIF"));
  lbVERIF->setWordWrap(true);
  lv->addWidget(lbVERIF);
  sgVERIF = new QTableWidget(0, 8, pgVERIF);
  sgVERIF->setObjectName(QStringLiteral("sgVERIF"));
  sgVERIF->setHorizontalHeaderLabels({QString::fromUtf8("Verificação"), QStringLiteral("Item"),
                                      QString::fromUtf8("Referência"), QString::fromUtf8("Função"),
                                      QStringLiteral("Corrente [A]"), QStringLiteral("Margem [s]"),
                                      QStringLiteral("Exigido [s]"), QStringLiteral("Resultado")});
  sgVERIF->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sgVERIF->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgVERIF->verticalHeader()->setVisible(false);
  sgVERIF->setWordWrap(false);
  sgVERIF->setToolTip(QString::fromUtf8(
      "Cada proteção com a sua \"Retaguarda\" e cada ponto ANSI ou de inrush com a sua "
      "\"Proteção\". As falhas estão em vermelho e marcadas no gráfico."));
  lv->addWidget(sgVERIF, 1);
  pcMAIN->addTab(pgVERIF, QString::fromUtf8("Verificação"));
  connect(pcMAIN, &QTabWidget::currentChanged, this, [this, esquerda, pgVERIF](int i) {
    // At most a little over half the window, so the chart keeps its room.
    const int larga =
        std::clamp(pnCONTAINER->width() * 55 / 100, kLARGURA_ESQUERDA, kLARGURA_VERIF);
    esquerda->setFixedWidth(pcMAIN->widget(i) == pgVERIF ? larga : kLARGURA_ESQUERDA);
  });

  mmHINT = new QPlainTextEdit(esquerda);
  mmHINT->setObjectName(QStringLiteral("mmHINT"));
  mmHINT->setReadOnly(true);
  mmHINT->setToolTip(QStringLiteral("Dicas e informações sobre o parâmetro selecionado"));
  mmHINT->setPlainText(QString::fromUtf8(kDICAINICIAL));
  mmHINT->setFixedHeight(mmHINT->fontMetrics().lineSpacing() * 5 + 10);
  le->addWidget(mmHINT);

  btAPLICAR = new QPushButton(QStringLiteral("Aplicar Alterações"), esquerda);
  btAPLICAR->setObjectName(QStringLiteral("btAPLICAR"));
  btAPLICAR->setToolTip(
      QStringLiteral("Aplica as alterações feitas nas propriedades do item selecionado."));
  btAPLICAR->setMinimumHeight(40);
  btAPLICAR->setEnabled(false);
  le->addWidget(btAPLICAR);

  lbCURSORX = new QLabel(QStringLiteral("0s/0A"), esquerda);
  lbCURSORX->setObjectName(QStringLiteral("lbCURSORX"));
  lbCURSORX->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont negrito = lbCURSORX->font();
  negrito.setBold(true);
  lbCURSORX->setFont(negrito);
  le->addWidget(lbCURSORX);

  pbCHART = new tPBCHART(pn);
  raiz->addWidget(pbCHART, 1);

  // ---- behaviour ----
  pbCHART->desenha = [this](tCANVAS& c, int w, int h) { drawto(c, w, kFOLGA_TELA, h); };
  pbCHART->clique = [this](double x, double y, Qt::MouseButton b) {
    comando([&] { clique_chart(x, y, b); });
  };
  pbCHART->move = [this](double x, double y) { move_chart(x, y); };

  connect(cbLISTA, &QComboBox::activated, this, [this](int i) { comando([&] { seleciona(i); }); });
  connect(Image1, &QToolButton::clicked, this, [this] { comando([&] { mover(-1); }); });
  connect(Image2, &QToolButton::clicked, this, [this] { comando([&] { mover(+1); }); });
  connect(Button3, &QPushButton::clicked, this, [this] { comando([&] { excluir(); }); });
  // The button's own face opens the menu below its bottom-left corner, as
  // its arrow does.
  connect(btADD, &QToolButton::clicked, this, [this] { btADD->showMenu(); });
  connect(btAPLICAR, &QPushButton::clicked, this, [this] { comando([&] { aplicar(); }); });

  // A committed edit is a change of the document even before Apply; typing
  // alone already offers Apply.
  connect(vlITEM, &tVLPROP::alterado, this, [this] {
    if (ajsel == nullptr) return;
    btAPLICAR->setEnabled(true);
    marcaalterado();
  });
  connect(vlITEM, &tVLPROP::digitado, this, [this] {
    if (ajsel != nullptr) btAPLICAR->setEnabled(true);
  });
  connect(vlITEM, &tVLPROP::botao, this,
          [this](const QString& key) { comando([&] { botao_item(key.toStdString()); }); });
  connect(vlITEM->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { hint_item(vlITEM->chave_atual()); });
  // A click on the row that is already current shows its hint as well.
  connect(vlITEM, &QAbstractItemView::pressed, this, [this](const QModelIndex& ix) {
    if (ix.row() >= 0 && ix.row() < vlitem.count()) hint_item(vlitem.row(ix.row()).key);
  });
  connect(vlPROP, &tVLPROP::alterado, this, [this] {
    btAPLICAR->setEnabled(true);
    marcaalterado();
  });
  connect(vlPROP, &tVLPROP::digitado, this, [this] { btAPLICAR->setEnabled(true); });
  vlPROP->installEventFilter(new tTECLAS(vlPROP, [this] { btAPLICAR->setEnabled(true); }));

  for (QCheckBox* c : {cbLEGENDA, cbFASE, cbNEUTRO, cbCURSOR, cbLINHA})
    connect(c, &QCheckBox::toggled, this, [this, c] {
      redesenha();
      registra(c->text().toStdString());
    });
  // "Imprimir FASE/NEUTRO separadamente" and "Imprimir vista atual" say how
  // to print, not what the chart is: no undo steps.
  // New limits: the view goes back to them, and the checks run up to the
  // new upper limit.
  for (QComboBox* c : {cbLIMITE_INF, cbLIMITE_SUP})
    connect(c, &QComboBox::currentIndexChanged, this, [this] {
      vista_limites();
      redesenha();
      registra("Limites do gráfico");
    });
}

void TfmCOORD::criamenu() {
  pmAJUSTE = new QMenu(btADD);
  pmAJUSTE->setObjectName(QStringLiteral("pmAJUSTE"));
  for (const tTIPOAJUSTE& tipo : tipos_ajuste()) {
    if (tipo.menu.empty()) continue;
    QAction* a =
        pmAJUSTE->addAction(QString::fromUtf8(tipo.menu.data(), qsizetype(tipo.menu.size())));
    connect(a, &QAction::triggered, this, [this, &tipo] { comando([&] { pmAjusteClick(tipo); }); });
  }
  btADD->setMenu(pmAJUSTE);
}

std::unique_ptr<TfmCOORD> novocoord() {
  religacount_reset();
  return std::make_unique<TfmCOORD>();
}

void registra_coord(TfmMAIN& fm) {
  tTIPODOC t;
  t.ext = "coord";
  t.abre = true;
  t.cria = [] { return std::unique_ptr<tFMBASE>(novocoord()); };
  fm.registra(std::move(t));
}

// ---- the document ------------------------------------------------------------------

void TfmCOORD::showprop() {
  vlprop.setvalue("Título", proj->titulo);
  vlprop.setvalue("Subestação", proj->subestacao);
  vlprop.setvalue("Alimentador", proj->alimentador);
  vlprop.setvalue("Responsavel", proj->projetista);
  vlprop.setnum("Tensão primária [kV]", proj->ten_nom, real2txt(proj->ten_nom, 2));
  vlprop.setnum(kCTI_RELE, proj->cti, real2txt(proj->cti, 3));
  vlprop.setnum(kCTI_ELO, proj->cti_elo, real2txt(proj->cti_elo, 3));
}

void TfmCOORD::getprop() {
  getprojeto();
  // Edits of the selected setting still waiting for Apply belong to the
  // document as the user sees it: saving takes them in as Apply would.
  if (btAPLICAR->isEnabled()) {
    aplicaitem();
    registra(nome_aplicar());
  } else {
    registra("Informações gerais");
  }
}

void TfmCOORD::getprojeto() {
  proj->titulo = vl_gettexto(vlprop, "Título", proj->titulo);
  proj->subestacao = vl_gettexto(vlprop, "Subestação", proj->subestacao);
  proj->alimentador = vl_gettexto(vlprop, "Alimentador", proj->alimentador);
  proj->projetista = vl_gettexto(vlprop, "Responsavel", proj->projetista);
  proj->ten_nom = vl_getreal(vlprop, "Tensão primária [kV]", 13.8, 0.1, 100);
  proj->cti = vl_getreal(vlprop, kCTI_RELE, proj->cti, 0, tPRJCOORD::kCTI_MAX);
  proj->cti_elo = vl_getreal(vlprop, kCTI_ELO, proj->cti_elo, 0, tPRJCOORD::kCTI_MAX);
}

void TfmCOORD::mostraitem() {
  ajsel->showprop(vlitem);
  showref(vlitem, proj->ajustes, *ajsel);
}

void TfmCOORD::aplicaitem() {
  if (ajsel != nullptr) {
    ajsel->getprop(vlitem);
    getref(vlitem, proj->ajustes, *ajsel);
    mostraitem();
    showitens(true);
  }
  btAPLICAR->setEnabled(false);
  redesenha();
}

void TfmCOORD::loadfromfile(const std::string& filename) {
  // Throws before anything changes when the file cannot be read.
  tFMBASE::loadfromfile(filename);
  // The settings the list and the grid referred to are gone: what was in the
  // grid belonged to them and has no setting to go to.
  ajsel = nullptr;
  vlitem.clear();
  btAPLICAR->setEnabled(false);
  showitens(false);
  redesenha();
  // Another document: the steps of the previous one lead nowhere.
  pilha_->clear();
  atual_ = estado();
}

// ---- the item list ---------------------------------------------------------------

tAJUSTE* TfmCOORD::ajuste_da_entrada(int i) const {
  return cbLISTA->ajuste(i);
}

int TfmCOORD::selecionado() const {
  return ajsel == nullptr ? -1 : proj->ajustes.indexof(ajsel);
}

void TfmCOORD::showitens(bool updatecap) {
  verif_.reset();
  tAJUSTE_LISTA& l = proj->ajustes;
  if (ajsel != nullptr && l.indexof(ajsel) < 0) {
    // The selected setting left the list (the caller replaced the settings):
    // its pending edits have nowhere to go.
    ajsel = nullptr;
    vlitem.clear();
    btAPLICAR->setEnabled(false);
    updatecap = false;
    desfazer_outro_documento();
  }
  if (l.count() == 0) {
    ajsel = nullptr;
    vlitem.clear();
    vlITEM->recarrega();
    cbLISTA->clear();
    hint_item({});
    return;
  }
  if (updatecap && cbLISTA->count() == l.count()) {
    for (int i = 0; i < l.count(); ++i) {
      const tAJUSTE* a = l.Getajustes(i);
      cbLISTA->atualiza(i, qs(texto_entrada(i, *a)), a->color);
    }
    cbLISTA->update();
    return;
  }
  {
    const QSignalBlocker b(cbLISTA);
    cbLISTA->clear();
    for (int i = 0; i < l.count(); ++i) {
      tAJUSTE* a = l.Getajustes(i);
      cbLISTA->adiciona(qs(texto_entrada(i, *a)), a, a->color);
    }
  }
  const int ultimo = l.count() - 1;
  cbLISTA->setCurrentIndex(ultimo);
  seleciona(ultimo);
}

bool TfmCOORD::seleciona(int i) {
  if (btAPLICAR->isEnabled()) {
    switch (dialogos().pergunta(kPERGUNTA_APLICAR, tBOTOES::simnaocancela)) {
      case tRESPOSTA::sim:
        aplicar();
        break;
      case tRESPOSTA::nao:
        break;
      default: {
        // The previous setting stays, with its edits, and so does its entry.
        const QSignalBlocker b(cbLISTA);
        cbLISTA->setCurrentIndex(selecionado());
        return false;
      }
    }
  }
  ajsel = nullptr;
  vlitem.clear();
  ajsel = ajuste_da_entrada(i);
  if (ajsel != nullptr) {
    const QSignalBlocker b(cbLISTA);
    cbLISTA->setCurrentIndex(i);
    mostraitem();
  }
  vlITEM->recarrega();
  // The first property under the first section title becomes current, and
  // the hint area shows its hint (or the initial text for an empty grid).
  if (vlitem.count() > 1) {
    const QSignalBlocker b(vlITEM->selectionModel());
    vlITEM->setCurrentIndex(vlITEM->model()->index(1, 1));
  }
  hint_item(vlITEM->chave_atual());
  btAPLICAR->setEnabled(false);
  return true;
}

void TfmCOORD::aplicar() {
  changed = true;
  getprojeto();
  aplicaitem();
  showprop();
  // The chart's own verdict after every Apply: one line, then each failure
  // and what could not be checked as warnings.
  verif_.reset();
  const tRESULTADOVERIF& r = verificacoes();
  if (!r.itens.empty() || !r.avisos.empty()) {
    xprint(resumo_verif(r));
    for (const tVERIFICACAO& v : r.itens)
      if (!v.ok) xprint(linha_falha(*proj, v));
    for (const std::string& a : r.avisos) xprint("# " + a);
  }
  registra(nome_aplicar());
  emit captionchanged();
}

std::string TfmCOORD::nome_aplicar() const {
  return "Aplicar: " + (ajsel != nullptr ? ajsel->caption : std::string("Informações gerais"));
}

void TfmCOORD::pmAjusteClick(const tTIPOAJUSTE& tipo) {
  std::unique_ptr<tAJUSTE> a = tipo.cria();
  if (!a) return;
  proj->ajustes.add(std::move(a));
  marcaalterado();
  showitens(false);
  redesenha();
  registra("Adicionar: " + std::string(tipo.menu));
}

void TfmCOORD::excluir() {
  if (ajsel == nullptr) return;
  const std::string nome = "Excluir: " + ajsel->caption;
  std::unique_ptr<tAJUSTE> fora = proj->ajustes.remove(ajsel);
  ajsel = nullptr;
  vlitem.clear();
  // The edits still pending were those of the setting just deleted: nothing
  // is left to ask about them.
  btAPLICAR->setEnabled(false);
  fora.reset();
  marcaalterado();
  showitens(false);
  redesenha();
  btAPLICAR->setEnabled(false);
  registra(nome);
}

void TfmCOORD::mover(int tag) {
  const int de = selecionado();
  if (de < 0) return;
  const int ultimo = proj->ajustes.count() - 1;
  const int para = std::clamp(de + tag, 0, ultimo);
  if (para == de) return;
  // The reference row keeps naming the same setting under the new numbers,
  // edits not yet applied included.
  std::string motivo;
  const tAJUSTE* alvo = ref_da_linha(vlitem, proj->ajustes, *ajsel, &motivo);
  proj->ajustes.move(de, para);
  if (motivo.empty()) showref(vlitem, proj->ajustes, *ajsel, alvo);
  marcaalterado();
  // The same setting stays selected, with the grid and any edits not yet
  // applied: only the entries change places and numbers.
  {
    const QSignalBlocker b(cbLISTA);
    cbLISTA->clear();
    for (int i = 0; i <= ultimo; ++i) {
      tAJUSTE* a = proj->ajustes.Getajustes(i);
      cbLISTA->adiciona(qs(texto_entrada(i, *a)), a, a->color);
    }
    cbLISTA->setCurrentIndex(para);
  }
  redesenha();
  registra("Mover: " + ajsel->caption);
}

// ---- the property grid -----------------------------------------------------------

void TfmCOORD::hint_item(const std::string& key) {
  if (ajsel == nullptr) {
    mmHINT->setPlainText(texto_dica({}, {}));
    return;
  }
  mmHINT->setPlainText(texto_dica(key, key.empty() ? std::string() : ajsel->gethint(key)));
}

void TfmCOORD::botao_item(const std::string& key) {
  if (ajsel == nullptr || vlitem.find(key) == nullptr) return;
  const std::optional<std::string> novo = escolhe_botao(key, vlitem.value(key));
  if (!novo) return;
  vlitem.setvalue(key, *novo);
  btAPLICAR->setEnabled(true);
  marcaalterado();
}

// ---- drawing and the cursors ---------------------------------------------------------

tOPCOES_GRAF TfmCOORD::opcoes() const {
  tOPCOES_GRAF o;
  o.legenda = cbLEGENDA->isChecked();
  o.fase = cbFASE->isChecked();
  o.neutro = cbNEUTRO->isChecked();
  o.linha = cbLINHA->isChecked();
  o.cursor = cbCURSOR->isChecked();
  o.lim_inf = txt2int(cbLIMITE_INF->currentText().toStdString(), 0, 0, 0);
  o.lim_sup = 1000.0 * txt2int(cbLIMITE_SUP->currentText().toStdString(), 0, 0, 0);
  return o;
}

void TfmCOORD::drawto(tCANVAS& canvas, int w, int folga, int h) {
  // Checks made anew here, with none dropped since the last ones, mean a
  // user curve was edited: the page follows right after this paint.
  const bool tinha = verif_.has_value();
  const std::uint64_t curvas = verif_curvas_;
  drawcoord(*proj, chart, canvas, w, folga, h, opcoes_tela(), &cur_med, &verificacoes());
  if (tinha && verif_curvas_ != curvas) QTimer::singleShot(0, this, [this] { showverif(); });
}

void TfmCOORD::redesenha() {
  verif_.reset();
  pbCHART->update();
  cbLISTA->update();
  showverif();
}

void TfmCOORD::redesenha_vista() {
  pbCHART->update();
}

const tRESULTADOVERIF& TfmCOORD::verificacoes() const {
  const std::uint64_t curvas = usercurves_digest();
  if (!verif_ || verif_curvas_ != curvas) {
    verif_ = verifica(*proj, opcoes().lim_sup);
    verif_curvas_ = curvas;
  }
  return *verif_;
}

void TfmCOORD::showverif() {
  const tRESULTADOVERIF& r = verificacoes();
  lbVERIF->setText(r.itens.empty()
                       ? QString::fromUtf8("Nada a verificar: indique a \"Retaguarda\" das "
                                           "proteções e a \"Proteção\" dos pontos ANSI e de "
                                           "inrush.")
                       : qs(resumo_verif(r)));
  sgVERIF->setRowCount(static_cast<int>(r.itens.size()));
  int linha = 0;
  for (const tVERIFICACAO& v : r.itens) {
    const std::string textos[] = {nome_verif(v.tipo),
                                  nome_item(*proj, v.item, v.elo),
                                  nome_item(*proj, v.referencia, v.elo_ref),
                                  nome_funcao(v),
                                  fmt::sprintf("%.1f", v.corrente),
                                  fmt::sprintf("%.3f", v.margem),
                                  fmt::sprintf("%.3f", v.exigido),
                                  nome_resultado(v)};
    // The whole check in words, for a column the table has scrolled away.
    const QString dica = qs(fmt::sprintf("%s: %s / %s, %s, %s A: margem %s s, exigido %s s, %s",
                                         textos[0], textos[1], textos[2], textos[3], textos[4],
                                         textos[5], textos[6], textos[7]));
    int col = 0;
    for (const std::string& t : textos) {
      auto* it = new QTableWidgetItem(qs(t));
      it->setToolTip(dica);
      if (col >= 4 && col <= 6) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (!v.ok) it->setForeground(QColor(Qt::red));
      sgVERIF->setItem(linha, col++, it);
    }
    ++linha;
  }
  sgVERIF->resizeColumnsToContents();
}

// The mapping of the chart as the screen shows it: drawto may last have
// drawn on another surface, so the mouse never relies on the last drawing's
// size.
static void mapa_tela(tCHARTX& chart, const tOPCOES_GRAF& o, const QWidget& w) {
  chart.limites = {o.lim_inf, o.lim_sup, o.tmp_inf, o.tmp_sup};
  chart.setwh(w.width(), w.height(), kFOLGA_TELA);
}

void TfmCOORD::move_chart(double x, double y) {
  mapa_tela(chart, opcoes_tela(), *pbCHART);
  const tPOINTX p = chart.px2rl(x, y);
  lbCURSORX->setText(qs(fmt::sprintf("%.2fs/%.0fA", p.y, p.x)));
}

void TfmCOORD::clique_chart(double x, double y, Qt::MouseButton botao) {
  mapa_tela(chart, opcoes_tela(), *pbCHART);
  const tPOINTX p = chart.px2rl(x, y);
  // Kept in case the press becomes a drag of the view.
  c1_antes_ = cur_med.c1;
  hint_antes_ = mmHINT->toPlainText();
  if (botao == Qt::LeftButton) cur_med.c1 = p;
  if (botao == Qt::RightButton) cur_med.c2 = p;
  const tPOINTX& a = cur_med.c1;
  const tPOINTX& b = cur_med.c2;
  std::string texto = fmt::sprintf(
      "Cursor A: %5.2fs,%5.0fA\nCursor B: %5.2fs,%5.0fA\n"
      "Delta   : %5.2fs,%5.0fA",
      a.y, a.x, b.y, b.x, std::fabs(a.y - b.y), std::fabs(a.x - b.x));
  // The operating time of every protection shown at cursor A's current, so
  // the time between two curves is read directly.
  const tOPCOES_GRAF o = opcoes();
  for (const std::string& l : leituras(*proj, a.x, o.fase, o.neutro)) texto += "\n" + l;
  mmHINT->setPlainText(qs(texto));
  redesenha_vista();
}

// ---- print and export ------------------------------------------------------------------

void TfmCOORD::printexec(QPrinter& printer) {
  imprimecoord(printer, *proj, opcoes_saida(), cbSEPARAR->isChecked(), &cur_med);
}

void TfmCOORD::savejpg(bool arquivo) {
  const QImage img = imagemcoord(*proj, opcoes_saida(), &cur_med);
  if (arquivo) {
    std::string nome = nome_proposto(curfilename, "nova imagem");
    if (!sel_file(nome, {"jpg"}, true)) return;
    gravajpg(nome, img);
    return;
  }
  // Word processors take the picture; drawing programs and browsers that
  // understand it take the vector one.
  auto* dados = new QMimeData;
  dados->setImageData(img);
  QByteArray png;
  QBuffer buf(&png);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  dados->setData(QStringLiteral("image/png"), png);
  dados->setData(QStringLiteral("image/svg+xml"), svgcoord(*proj, opcoes_saida(), &cur_med));
  QApplication::clipboard()->setMimeData(dados);
  dialogos().info(
      std::string("Gráfico do coordenograma foi copiado para área de transfêrencia.\n") + kCOLAR);
}

void TfmCOORD::savesvg() {
  std::string nome = nome_proposto(curfilename, "nova imagem");
  if (!sel_file(nome, {"svg"}, true)) return;
  const QByteArray svg = svgcoord(*proj, opcoes_saida(), &cur_med);
  gravarbytes(nome, std::string_view(svg.constData(), static_cast<std::size_t>(svg.size())));
}

void TfmCOORD::saveprop(bool arquivo) {
  // The text is made in a grid of its own: the item grid, with any edits
  // not yet applied, stays as it is.
  const std::string texto = textoajustes(*proj);
  if (arquivo) {
    std::string nome = nome_proposto(curfilename, "ajustes");
    if (sel_file(nome, {"txt"}, true)) gravartexto(nome, texto);
  } else {
    QApplication::clipboard()->setText(qs(texto));
    dialogos().info(std::string("Ajustes foram copiados para área de transfêrencia.\n") + kCOLAR);
  }
  showitens(true);
}

}  // namespace tarvinel
