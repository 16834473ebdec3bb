#include "gui/calculation/fmcalc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/calculation/calccoord.h"
#include "core/calculation/calcgrade.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"
#include "gui/comando.h"
#include "gui/coordination/coordx.h"
#include "gui/dialogos.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/hints.h"
#include "gui/vlprop.h"
#include "platform/relatorio_qt.h"

namespace tarvinel {

namespace {

constexpr int kLARGURA = 377;  // the left column

QLabel* titulo(const char* texto, QWidget* pai) {
  auto* l = new QLabel(QString::fromUtf8(texto), pai);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, QColor(0, 128, 0));
  l->setPalette(p);
  return l;
}

QLabel* nota(const char* texto, QWidget* pai) {
  auto* l = new QLabel(QString::fromUtf8(texto), pai);
  l->setWordWrap(true);
  return l;
}

// A page with its green title and note; the caller adds the rest.
QVBoxLayout* pagina(QTabWidget* tabs, const char* nome, const char* tit, const char* txt) {
  auto* w = new QWidget(tabs);
  auto* lay = new QVBoxLayout(w);
  lay->setContentsMargins(4, 4, 4, 4);
  lay->addWidget(titulo(tit, w));
  lay->addWidget(nota(txt, w));
  tabs->addTab(w, QString::fromUtf8(nome));
  return lay;
}

void dica(QWidget* w, const char* texto) {
  w->setToolTip(QString::fromUtf8(texto));
}

// Writes into a grid model with the view's reloading held back, then reloads
// the view once: filling a grid row by row would rebuild the view per row.
template <class F>
void preenche(tVLPROP* v, tPROPGRID& vl, F&& f) {
  auto aviso = std::move(vl.onchange);
  vl.onchange = nullptr;
  try {
    f();
  } catch (...) {
    vl.onchange = std::move(aviso);
    v->recarrega();
    throw;
  }
  vl.onchange = std::move(aviso);
  v->recarrega();
}

std::vector<std::string> linhas_de(const QString& texto) {
  std::vector<std::string> l;
  for (const QString& s : texto.split(QLatin1Char('\n'))) l.push_back(s.toStdString());
  return l;
}

}  // namespace

TfmCALC::TfmCALC(QObject* parent) : tFMBASE(parent) {
  montapaginas();
  showprop();
  showitens(false);
  aplicar();
  pageMAIN->setCurrentIndex(0);
}

TfmCALC::~TfmCALC() {
  // The base would delete the panel only after this window's members are
  // gone, while the views still refer to the grid models and their signals
  // still reach this window: release the models and take the panel down
  // here, while everything it refers to is alive.
  for (tVLPROP* v : {vlPROP, vlRELE, vlCONC, vlITEM})
    if (v != nullptr) v->setgrid(nullptr);
  delete pnCONTAINER.data();
}

void TfmCALC::montapaginas() {
  auto* raiz = new QHBoxLayout(pnCONTAINER);
  raiz->setContentsMargins(0, 0, 0, 0);
  raiz->setSpacing(2);

  auto* esq = new QWidget(pnCONTAINER);
  esq->setFixedWidth(kLARGURA);
  auto* le = new QVBoxLayout(esq);
  le->setContentsMargins(0, 0, 0, 0);

  pageMAIN = new QTabWidget(esq);
  le->addWidget(pageMAIN, 1);

  // "Geral"
  QVBoxLayout* p = pagina(pageMAIN, "Geral", "Dados do cliente e concessionária",
                          "Inforque aqui os valores de curto e impedância entre oturos dados "
                          "fornecidos pela concessionária e pelo cliente.");
  vlPROP = new tVLPROP(pageMAIN);
  dica(vlPROP, "Informações diversas do cliente e da concessionária.");
  p->addWidget(vlPROP, 1);

  // "Rele cli."
  p = pagina(pageMAIN, "Rele cli.", "Dados para ajuste do rele do cliente",
             "Alguns parâmetros do rele, como tipo de curva por exemplo, não são calculados pelo "
             "software, por isso caso deseje modifique estes valores aqui.");
  vlRELE = new tVLPROP(pageMAIN);
  dica(vlRELE,
       "Ajuste aqui as propriedades manuais do rele/religador. As demais propriedades serão "
       "calculadas pelo software.");
  p->addWidget(vlRELE, 1);

  // "Rele con."
  p = pagina(pageMAIN, "Rele con.", "Dados para ajuste do rele da concessionária",
             "Caso deseje marque a opção e preencha as informações sobre os ajustes do rele da  "
             "concessionária.");
  cbCONC = new QCheckBox(QString::fromUtf8("Incluir informações no relatório e no coordenograma"),
                         pageMAIN);
  dica(cbCONC,
       "Marque a opção e preencha as informações sobre os ajustes do rele da concessionária caso "
       "deseje incluir estas informações no relatório e no coordenograma.");
  p->addWidget(cbCONC);
  vlCONC = new tVLPROP(pageMAIN);
  vlCONC->setEnabled(false);
  dica(vlCONC, "Informações sobre o rele da concessionária");
  p->addWidget(vlCONC, 1);

  // "Trafo"
  p = pagina(pageMAIN, "Trafo", "Dados dos transformadores",
             "Ajuste aqui a quantidade e as propriedades dos transfor- madores instalados no "
             "cliente.");
  auto* linha = new QHBoxLayout();
  cbLISTATRAFO = new QComboBox(pageMAIN);
  dica(cbLISTATRAFO, "Selecione um transformador para configura-lo.");
  btDELETE = new QPushButton(QStringLiteral("-"), pageMAIN);
  dica(btDELETE, "Excluir trafo selecionado");
  btINSERT = new QPushButton(QStringLiteral("+"), pageMAIN);
  dica(btINSERT, "Adicionar mais um trafo com os mesmos parâmetros do trafo selecionado");
  for (QPushButton* b : {btDELETE, btINSERT}) b->setFixedWidth(28);
  linha->addWidget(cbLISTATRAFO, 1);
  linha->addWidget(btDELETE);
  linha->addWidget(btINSERT);
  p->addLayout(linha);
  vlITEM = new tVLPROP(pageMAIN);
  dica(vlITEM, "Modifique as propriedades do transformador conforme desejado.");
  p->addWidget(vlITEM, 1);

  // "Relatório"
  p = pagina(pageMAIN, "Relatório", "Configurações do relatório",
             "Ajuste abaixo as opções de geração do relatório");
  cbREL_MAIN = new QCheckBox(QStringLiteral("Resumo principal"), pageMAIN);
  cbREL_CALC = new QCheckBox(QString::fromUtf8("Memorial de cálculo"), pageMAIN);
  cbREL_CELESC =
      new QCheckBox(QString::fromUtf8("Resumo de ajuste do RELE (padrão CELESC)"), pageMAIN);
  cbREL_ELO = new QCheckBox(QStringLiteral("Incluir ELO's no coordenograma"), pageMAIN);
  for (QCheckBox* c : {cbREL_MAIN, cbREL_CALC, cbREL_CELESC}) c->setChecked(true);
  for (QCheckBox* c : {cbREL_MAIN, cbREL_CALC, cbREL_CELESC, cbREL_ELO}) p->addWidget(c);
  Button1 = new QPushButton(QStringLiteral("Salvar texto em arquivo..."), pageMAIN);
  dica(Button1, "Salva o texto apresentado no relatório em um arquivo de texto.");
  p->addWidget(Button1);
  p->addStretch(1);

  mmHINT = new QPlainTextEdit(esq);
  mmHINT->setReadOnly(true);
  mmHINT->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmHINT->setFixedHeight(80);
  mmHINT->setPlainText(QString::fromUtf8(kDICAINICIAL));
  le->addWidget(mmHINT);

  auto* botoes = new QHBoxLayout();
  btAPLICAR = new QPushButton(QStringLiteral("Aplicar"), esq);
  btAPLICAR->setEnabled(false);
  dica(btAPLICAR, "Aplicar alterações e gerar relatório");
  btCRIARCOORD = new QPushButton(QStringLiteral("Criar coordenograma"), esq);
  dica(btCRIARCOORD, "Criar coordenograma a partir dos ajustes calculados");
  for (QPushButton* b : {btAPLICAR, btCRIARCOORD}) {
    b->setMinimumHeight(40);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    botoes->addWidget(b);
  }
  le->addLayout(botoes);
  raiz->addWidget(esq);

  mmREPORT = new QPlainTextEdit(pnCONTAINER);
  mmREPORT->setReadOnly(true);
  mmREPORT->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmREPORT->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont mono(QStringLiteral("Courier New"));
  mono.setStyleHint(QFont::TypeWriter);
  mono.setFixedPitch(true);
  mono.setPixelSize(16);
  mmREPORT->setFont(mono);
  mmREPORT->setPlainText(
      QString::fromUtf8("Clique em aplicar para salvar as alterações e gerar o relatório"));
  raiz->addWidget(mmREPORT, 1);

  for (auto [v, vl] : {std::pair{vlPROP, &gridPROP}, std::pair{vlRELE, &gridRELE},
                       std::pair{vlCONC, &gridCONC}, std::pair{vlITEM, &gridITEM}})
    ligagrade(v, vl);
  for (tVLPROP* v : {vlRELE, vlCONC})
    connect(v, &tVLPROP::botao, this,
            [this, v](const QString& key) { comando([&] { botao_rele(v, key); }); });

  auto habilita = [this] { btAPLICAR->setEnabled(true); };
  connect(cbCONC, &QCheckBox::toggled, this, [this](bool on) {
    vlCONC->setEnabled(on);
    vlCONC->update();
  });
  // The user's own edits are changes of the document before Apply too.
  auto edita = [this] {
    btAPLICAR->setEnabled(true);
    marcaalterado();
  };
  connect(cbCONC, &QCheckBox::clicked, this, edita);
  connect(cbREL_MAIN, &QCheckBox::clicked, this, habilita);
  connect(cbLISTATRAFO, &QComboBox::activated, this, [this] { comando([&] { escolhetrafo(); }); });
  connect(btINSERT, &QPushButton::clicked, this, [this] { comando([&] { inserirtrafo(); }); });
  connect(btDELETE, &QPushButton::clicked, this, [this] { comando([&] { excluirtrafo(); }); });
  connect(Button1, &QPushButton::clicked, this, [this] { comando([&] { salvartexto(); }); });
  connect(btAPLICAR, &QPushButton::clicked, this, [this] { comando([&] { aplicar(); }); });
  connect(btCRIARCOORD, &QPushButton::clicked, this, [this] { comando([&] { criarcoord(); }); });
}

void TfmCALC::ligagrade(tVLPROP* v, const tPROPGRID* vl) {
  v->setgrid(const_cast<tPROPGRID*>(vl));
  QAbstractItemModel* m = v->model();
  // Any change of a grid's content, the window's own fills included, makes
  // Apply available.
  auto habilita = [this] { btAPLICAR->setEnabled(true); };
  connect(m, &QAbstractItemModel::dataChanged, this, habilita);
  connect(m, &QAbstractItemModel::modelReset, this, habilita);
  connect(v->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this, v] { mostrahint(v); });
  connect(v, &tVLPROP::digitado, this, habilita);
  connect(v, &tVLPROP::alterado, this, [this] { marcaalterado(); });
}

void TfmCALC::mostrahint(const tVLPROP* v) {
  if (semhint_) return;
  const std::string key = v->chave_atual();
  std::string hint;
  if (key.empty() || key.front() == ' ') {
    // No row of this grid: nothing of another row stays in view.
  } else if (v == vlPROP) {
    hint = gethint_calc(key);
  } else if (v == vlRELE) {
    hint = proj.rele_cli->gethint(key);
  } else if (v == vlCONC) {
    hint = proj.rele_con->gethint(key);
  } else if (const tTRAFO* t = trsel()) {
    hint = t->gethint(key);
  }
  mmHINT->setPlainText(texto_dica(key, hint));
}

void TfmCALC::botao_rele(tVLPROP* v, const QString& qkey) {
  tPROPGRID* vl = v->grid();
  if (vl == nullptr) return;
  const std::string key = qkey.toStdString();
  const std::string atual = vl->value(key);
  if (const auto novo = escolhe_botao(key, atual)) vl->setvalue(key, *novo);
  if (vl->value(key) != atual) marcaalterado();
}

void TfmCALC::showprop() {
  semhint_ = true;
  try {
    preenche(vlPROP, gridPROP, [&] { showprop_calc(proj, gridPROP); });
    cbCONC->setChecked(proj.inc_rele_con);
    vlCONC->setEnabled(proj.inc_rele_con);
    preenche(vlRELE, gridRELE, [&] { proj.rele_cli->showprop(gridRELE); });
    preenche(vlCONC, gridCONC, [&] { proj.rele_con->showprop(gridCONC); });
  } catch (...) {
    semhint_ = false;
    throw;
  }
  semhint_ = false;
  showtrafo();
}

void TfmCALC::getprop() {
  getprop_calc(proj, gridPROP);
  proj.inc_rele_con = cbCONC->isChecked();
  proj.rele_cli->getprop(gridRELE);
  proj.rele_con->getprop(gridCONC);
  gettrafo();
}

tTRAFO* TfmCALC::trsel() const {
  const int i = cbLISTATRAFO->currentIndex();
  if (i < 0 || i >= proj.trafos.count()) return nullptr;
  return proj.trafos.GetTrafos(i);
}

void TfmCALC::showtrafo() {
  semhint_ = true;
  preenche(vlITEM, gridITEM, [&] {
    if (const tTRAFO* t = trsel())
      showprop_trafo(*t, gridITEM);
    else
      gridITEM.clear();
  });
  semhint_ = false;
}

void TfmCALC::gettrafo() {
  if (tTRAFO* t = trsel()) getprop_trafo(*t, gridITEM);
}

void TfmCALC::showitens(bool updatecap) {
  const int n = proj.trafos.count();
  if (n == 0) {
    cbLISTATRAFO->clear();
    preenche(vlITEM, gridITEM, [&] { gridITEM.clear(); });
    return;
  }
  if (updatecap && cbLISTATRAFO->count() == n) {
    for (int i = 0; i < n; ++i)
      cbLISTATRAFO->setItemText(
          i, QString::fromStdString(nome_trafo(i + 1, *proj.trafos.GetTrafos(i))));
    return;
  }
  cbLISTATRAFO->clear();
  for (int i = 0; i < n; ++i)
    cbLISTATRAFO->addItem(QString::fromStdString(nome_trafo(i + 1, *proj.trafos.GetTrafos(i))));
  cbLISTATRAFO->setCurrentIndex(n - 1);
  preenche(vlITEM, gridITEM, [&] { gridITEM.clear(); });
  showtrafo();
}

void TfmCALC::escolhetrafo() {
  // Edits of the transformer shown before that were not applied are dropped.
  preenche(vlITEM, gridITEM, [&] { gridITEM.clear(); });
  showtrafo();
}

void TfmCALC::inserirtrafo() {
  const tTRAFO* sel = trsel();
  tTRAFO* t = proj.trafos.novotrafo();
  if (sel != nullptr) {
    // init would also put ten_sec back to 380, which a new transformer has
    // already; xr and obs keep the defaults.
    t->init(sel->kva, sel->zp, sel->imag, sel->lig, sel->prll);
  }
  marcaalterado();
  showitens(false);
}

void TfmCALC::excluirtrafo() {
  if (trsel() == nullptr) return;
  proj.trafos.remove(cbLISTATRAFO->currentIndex());
  marcaalterado();
  showitens(false);
}

bool TfmCALC::aplicar() {
  if (proj.trafos.count() == 0) {
    dialogos().info("O sistema deve conter pelo menos um trafo.");
    return false;
  }
  const int primeira = mmREPORT->verticalScrollBar()->value();
  xprint("Aplicando alterações e gerando relatório.");
  changed = true;
  getprop();

  // The calculation is all or nothing: a refused run leaves the results, the
  // report and the grids (with the user's entries) as they were.
  const tRESULTADO_CALC r = prjcalc_calcula(proj, calc);
  if (!r.ok()) {
    dialogos().erro(r.recusa);
    return false;
  }
  if (!r.plausibilidade.empty()) dialogos().erro(r.plausibilidade);
  for (const std::string& a : r.avisos) xprint(a);
  rel.addline("\\f");
  rel.reportexec(
      proj, calc,
      tRELOPC{cbREL_MAIN->isChecked(), cbREL_CALC->isChecked(), cbREL_CELESC->isChecked()});
  relatorio_na_tela(primeira);

  showprop();
  showitens(true);
  xprint("OK");
  btAPLICAR->setEnabled(false);
  return true;
}

void TfmCALC::relatorio_na_tela(int primeira) {
  QString texto;
  for (std::size_t i = 0; i < rel.linhas.size(); ++i) {
    if (i > 0) texto += QLatin1Char('\n');
    texto += QString::fromStdString(rel.linhas[i]);
  }
  mmREPORT->setUpdatesEnabled(false);
  mmREPORT->setPlainText(texto);
  // The same part of the report stays in view across Apply.
  mmREPORT->verticalScrollBar()->setValue(primeira);
  mmREPORT->setUpdatesEnabled(true);
}

void TfmCALC::loadfromfile(const std::string& filename) {
  prjcalc_abre(proj, filename);
  curfilename = filename;
  setcaption(filename);
  showprop();
  showitens(false);
  aplicar();
}

void TfmCALC::printexec(QPrinter& printer) {
  imprime_relatorio(printer, linhas_de(mmREPORT->toPlainText()));
}

void TfmCALC::salvartexto() {
  tPEDIDOARQ pedido;
  // A save dialog: replacing an existing file is confirmed first.
  pedido.salvar = true;
  pedido.filtro = "Arquivos de texto|*.txt";
  pedido.extpadrao = "txt";
  const auto nome = dialogos().arquivo(pedido);
  if (!nome) return;
  gravartexto(*nome, mmREPORT->toPlainText().toStdString() + "\n");
  dialogos().info("Arquivo salvo com sucesso.");
}

tFMBASE* TfmCALC::criarcoord() {
  aplicar();
  xprint("Criando coordenograma");
  TfmMAIN* fm = TfmMAIN::instancia();
  auto* coord = dynamic_cast<TfmCOORD*>(fm != nullptr ? fm->novocoord() : nullptr);
  if (coord == nullptr) {
    dialogos().erro("Não foi possível criar o coordenograma.");
    return nullptr;
  }
  coordenograma_calc(proj, calc, cbREL_ELO->isChecked(), *coord->proj);
  coord->showitens(false);
  coord->showprop();
  coord->changed = true;
  emit coord->captionchanged();
  if (QWidget* c = coord->container()) c->update();
  return coord;
}

std::unique_ptr<TfmCALC> novocalc() {
  auto w = std::make_unique<TfmCALC>();
  w->extdef = "ajuste";
  w->setcaption("novo ajuste");
  w->changed = false;  // the creation's Apply marked it
  return w;
}

void registra_calc(TfmMAIN& fm) {
  tTIPODOC t;
  t.ext = "ajuste";
  t.abre = true;
  t.cria = [] { return std::unique_ptr<tFMBASE>(novocalc()); };
  fm.registra(std::move(t));
}

}  // namespace tarvinel
