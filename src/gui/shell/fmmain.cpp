#include "gui/shell/fmmain.h"

#include <fmt/format.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QUndoGroup>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/foundation/arquivo.h"
#include "core/foundation/contato.h"
#include "core/foundation/estado.h"
#include "gui/comando.h"
#include "gui/dialogos.h"
#include "gui/shell/ajuda.h"
#include "gui/shell/hints.h"
#include "gui/shell/icones.h"
#include "gui/shell/menuhint.h"
#include "gui/shell/msglog.h"
#include "gui/shell/selfile.h"
#include "gui/shell/tabstrip.h"

namespace tarvinel {

namespace {

TfmMAIN* g_main = nullptr;

}  // namespace

TfmMAIN* TfmMAIN::instancia() {
  return g_main;
}

TfmMAIN::TfmMAIN(QWidget* parent) : QMainWindow(parent), exemplos_(pasta_exemplos()) {
  g_main = this;
  setObjectName(QStringLiteral("fmMAIN"));
  setWindowIcon(figura(tFIGURA::programa));
  setWindowTitle(QString::fromStdString(versionline));

  // Document area, tab strip above it, message log below a thin splitter.
  auto* central = new QWidget(this);
  auto* lay = new QVBoxLayout(central);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);
  area_ = new QWidget(central);
  area_->setObjectName(QStringLiteral("pnCONTAINER"));
  auto* alay = new QVBoxLayout(area_);
  alay->setContentsMargins(0, 0, 0, 0);
  abas_ = std::make_unique<tABAS>(area_);
  strip_ = new tTABSTRIP(
      *abas_, [](const tFMBASE& w) { return figura_doc(w.extdef); }, central);
  log_ = new tLOG(central);
  auto* split = new QSplitter(Qt::Vertical, central);
  split->setObjectName(QStringLiteral("Splitter1"));
  split->setHandleWidth(2);
  split->setStyleSheet(QStringLiteral("QSplitter::handle { background: #C0C0C0; }"));
  split->setChildrenCollapsible(false);
  split->addWidget(area_);
  split->addWidget(log_);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 0);
  split->setSizes({600, 75});
  lay->addWidget(strip_);
  lay->addWidget(split, 1);
  setCentralWidget(central);

  status_ = new QLabel(QStringLiteral("Tarvinel"), this);
  status_->setObjectName(QStringLiteral("sbMAIN"));
  QFont sf(QStringLiteral("Segoe UI"));
  status_->setFont(sf);
  statusBar()->addWidget(status_, 1);

  miHint_ = new tMENUHINT(this);
  criaacoes();
  criamenu();
  criatoolbar();

  connect(abas_.get(), &tABAS::estado, this, &TfmMAIN::estado);
  connect(abas_.get(), &tABAS::repinta, this, [this] {
    strip_->update();
    area_->update();
  });
  connect(strip_, &tTABSTRIP::ativa, this, [this](tFMBASE* w) { comando([&] { tab_set(w); }); });
  connect(strip_, &tTABSTRIP::fecha, this, [this](tFMBASE* w) {
    comando([&] {
      tFECHAR act = tFECHAR::libera;
      closeform(w, act);
    });
  });

  qApp->installEventFilter(this);

  set_sink([this](const std::string& texto) { log_->add(texto); });
  xprint("Bem vindo ao tarvinel.");
  xprint(std::string("Envie suas dúvidas/críticas/sugestões para ") + email_contato);
}

TfmMAIN::~TfmMAIN() {
  qApp->removeEventFilter(this);
  // The log dies with this window: later messages must not reach it.
  set_sink(nullptr);
  if (g_main == this) g_main = nullptr;
  // Document windows are children of this window; their panels may sit in the
  // document area. Take them down while the area still exists.
  const auto lst = abas_->tab_lst();
  for (tFMBASE* w : lst) {
    abas_->tab_del(w);
    delete w;
  }
}

// ---- actions ----------------------------------------------------------------

void TfmMAIN::criaacoes() {
  auto cria = [this](const std::string& nome, const QString& caption, const QString& hint,
                     const QKeySequence& atalho, bool ativo, std::function<void()> faz) {
    auto* a = new QAction(caption, this);
    a->setObjectName(QString::fromStdString("action" + nome));
    a->setStatusTip(hint);
    a->setToolTip(hint.isEmpty() ? caption : hint);
    if (!atalho.isEmpty()) a->setShortcut(atalho);
    a->setEnabled(ativo);
    connect(a, &QAction::triggered, this, [f = std::move(faz)] { comando(f); });
    acoes_[nome] = a;
    return a;
  };

  QAction* a =
      cria("NOVOCALC", QStringLiteral("Ajuste/Calculo de rele"),
           QStringLiteral("Novo ajuste/calculo de rele"), QKeySequence(Qt::Key_F2), false, [this] {
             fecha_novo();
             novocalc();
           });
  a->setIcon(figura(tFIGURA::novocalc));
  a = cria("NOVOCOORD", QStringLiteral("Coordenograma"), QStringLiteral("Novo coordenograma"),
           QKeySequence(Qt::Key_F3), false, [this] {
             fecha_novo();
             novocoord();
           });
  a->setIcon(figura(tFIGURA::novocoord));
  // Reachable only through F5: the action is in no menu and no tool bar, but it
  // belongs to this window so its shortcut works.
  a = cria("NOVOENSAIO", QString(), QString(), QKeySequence(Qt::Key_F5), false, [this] {
    fecha_novo();
    novoensaio();
  });
  a->setIcon(figura(tFIGURA::ensaio));
  addAction(a);
  a = cria("OPEN", QStringLiteral("Abrir"), QString(), QKeySequence(Qt::Key_F4), true, [this] {
    fecha_novo();
    loadfile(false, std::string());
    strip_->update();
  });
  a->setIcon(figura(tFIGURA::abrir));
  a = cria("SAVE", QStringLiteral("Salvar"), QStringLiteral("Salvar arquivo"),
           QKeySequence(Qt::CTRL | Qt::Key_S), false, [this] { salvar(); });
  a->setIcon(figura(tFIGURA::salvar));
  a = cria("SAVEAS", QStringLiteral("Salvar como..."), QStringLiteral("Salvar arquivo como..."),
           QKeySequence(), false, [this] { salvarcomo(); });
  a->setIcon(figura(tFIGURA::salvarcomo));
  a = cria("PRINT", QStringLiteral("Imprimir"), QStringLiteral("Imprimir"),
           QKeySequence(Qt::CTRL | Qt::Key_P), false, [this] { imprimir(); });
  a->setIcon(figura(tFIGURA::imprimir));
  cria("EXPORTPDF", QStringLiteral("Exportar PDF..."),
       QStringLiteral("Salva as páginas impressas em um arquivo PDF."), QKeySequence(), false,
       [this] { exportapdf(); });
  cria("PRINTCONFIG", QStringLiteral("Configurar Impressora"), QString(), QKeySequence(), true,
       [this] { dialogos().configurar_impressora(printer_); });
  // Each export pair shares one handler told apart by a tag: 1 file, 0 clipboard.
  auto tag = [](QAction* x, int t) {
    x->setData(t);
    return x;
  };
  tag(cria("SAVEJPGFILE", QStringLiteral("Arquivo"),
           QStringLiteral("Salvar imagem do gráfico em um arquivo."), QKeySequence(), true,
           [this] { exporta(true, true); }),
      1);
  cria("SAVESVGFILE", QStringLiteral("Arquivo SVG..."),
       QStringLiteral("Salvar imagem do gráfico em um arquivo SVG (vetorial)."), QKeySequence(),
       false, [this] {
         if (tFMBASE* w = xta(); w != nullptr && w->extdef == "coord") {
           w->confirmaedicao();
           w->savesvg();
         }
       });
  tag(cria("SAVEJPGAREA", QStringLiteral("Área de transferência"),
           QStringLiteral("Exporta imagem do gráfico para área de transferência."), QKeySequence(),
           true, [this] { exporta(true, false); }),
      0);
  tag(cria("SAVEPROPFILE", QStringLiteral("Arquivo"),
           QStringLiteral("Salva os ajustes em forma de texto em um arquivo."), QKeySequence(),
           true, [this] { exporta(false, true); }),
      1);
  tag(cria("SAVEPROPAREA", QStringLiteral("Área de transferência"),
           QStringLiteral("Exporta os ajustes em forma de texto para área de transferência."),
           QKeySequence(), true, [this] { exporta(false, false); }),
      0);
  // "Editar": the active document's undo steps. The texts follow the step
  // ("Desfazer Aplicar: Cliente").
  a = cria("UNDO", QStringLiteral("Desfazer"), QStringLiteral("Desfaz a última alteração."),
           QKeySequence(), false, [this] {
             if (tFMBASE* w = xta()) w->desfazer();
           });
  a->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
  a->setIcon(figura(tFIGURA::desfazer));
  a = cria("REDO", QStringLiteral("Refazer"), QStringLiteral("Refaz a alteração desfeita."),
           QKeySequence(), false, [this] {
             if (tFMBASE* w = xta()) w->refazer();
           });
  a->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  a->setIcon(figura(tFIGURA::refazer));
  passos_ = new QUndoGroup(this);
  auto texto = [](QAction* x, const QString& verbo, const QString& passo) {
    x->setText(passo.isEmpty() ? verbo : verbo + QLatin1Char(' ') + passo);
  };
  connect(passos_, &QUndoGroup::canUndoChanged, acao("UNDO"), &QAction::setEnabled);
  connect(passos_, &QUndoGroup::canRedoChanged, acao("REDO"), &QAction::setEnabled);
  connect(passos_, &QUndoGroup::undoTextChanged, this,
          [this, texto](const QString& t) { texto(acao("UNDO"), QStringLiteral("Desfazer"), t); });
  connect(passos_, &QUndoGroup::redoTextChanged, this,
          [this, texto](const QString& t) { texto(acao("REDO"), QStringLiteral("Refazer"), t); });
  cria("CHECKUPDATE", QStringLiteral("Procurar Atualização"),
       QStringLiteral("Verifica se o software instalado é a última versão disponível no site."),
       QKeySequence(), false, [this] {
         if (checkupdate_) checkupdate_();
       });
}

QAction* TfmMAIN::acao(const std::string& nome) const {
  const auto it = acoes_.find(nome);
  return it == acoes_.end() ? nullptr : it->second;
}

void TfmMAIN::criamenu() {
  auto item = [this](QMenu* m, const QString& caption, const QString& hint,
                     std::function<void()> faz) {
    QAction* a = m->addAction(caption);
    a->setStatusTip(hint);
    connect(a, &QAction::triggered, this, [f = std::move(faz)] { comando(f); });
    return a;
  };

  QMenu* arq = menuBar()->addMenu(QStringLiteral("Arquivo"));
  miNOVO_ = item(arq, QStringLiteral("Novo..."), QString(), [this] {
    if (fmnovo_) {
      fmnovo_->show();
      fmnovo_->raise();
    }
  });
  miNOVO_->setEnabled(false);
  item(arq, QStringLiteral("Novo baseado em um arquivo"),
       QStringLiteral("Cria um novo arquivo baseado em um arquivo ja existente"), [this] {
         fecha_novo();
         loadfile(true, std::string());
         strip_->update();
       });
  arq->addAction(acao("OPEN"));
  arq->addAction(acao("SAVE"));
  arq->addAction(acao("SAVEAS"));
  arq->addAction(acao("PRINT"));
  arq->addAction(acao("EXPORTPDF"));
  arq->addAction(acao("PRINTCONFIG"));
  QMenu* img = arq->addMenu(QStringLiteral("Exportar imagem"));
  img->addAction(acao("SAVEJPGFILE"));
  img->addAction(acao("SAVESVGFILE"));
  img->addAction(acao("SAVEJPGAREA"));
  QMenu* aju = arq->addMenu(QStringLiteral("Exportar ajustes"));
  aju->addAction(acao("SAVEPROPFILE"));
  // This entry has a hint of its own; it mirrors the action otherwise.
  QAction* propArea = acao("SAVEPROPAREA");
  QAction* espelho = aju->addAction(propArea->text());
  espelho->setStatusTip(
      QStringLiteral("Copiar os ajustes em forma de texto para área de tranferência."));
  espelho->setEnabled(propArea->isEnabled());
  connect(propArea, &QAction::changed, espelho,
          [espelho, propArea] { espelho->setEnabled(propArea->isEnabled()); });
  connect(espelho, &QAction::triggered, propArea, &QAction::trigger);
  arq->addSeparator();
  item(arq, QStringLiteral("Sair"), QString(), [this] { close(); });

  QMenu* edi = menuBar()->addMenu(QStringLiteral("Editar"));
  edi->addAction(acao("UNDO"));
  edi->addAction(acao("REDO"));

  QMenu* fer = menuBar()->addMenu(QStringLiteral("Ferramentas"));
  miEDITORCURVAS_ = item(fer, QStringLiteral("Editor de Curvas"), QString(),
                         [] { (void)dialogos().curva("IEC-NI"); });
  // The curve browser registers itself after this window is made.
  connect(fer, &QMenu::aboutToShow, this,
          [this] { miEDITORCURVAS_->setEnabled(tem_seletor_curva()); });
  miEDITORCURVAS_->setEnabled(tem_seletor_curva());

  QMenu* aj = menuBar()->addMenu(QStringLiteral("Ajuda"));
  miSOBRE_ = item(aj, QStringLiteral("Sobre/Changelog"), QString(), [this] {
    if (sobre_) sobre_();
  });
  miSOBRE_->setEnabled(false);
  miMANUAL_ = item(aj, QStringLiteral("Manual"), QString(), [this] {
    if (manual_) manual_();
  });
  miMANUAL_->setEnabled(false);
  QAction* upd = acao("CHECKUPDATE");
  aj->addAction(upd);
  upd->setVisible(false);

  for (QAction* a : menuBar()->actions())
    if (QMenu* m = a->menu()) miHint_->observa(m);
}

void TfmMAIN::criatoolbar() {
  QToolBar* tb = addToolBar(QStringLiteral("ToolBar1"));
  tb->setObjectName(QStringLiteral("ToolBar1"));
  tb->setIconSize(QSize(32, 32));
  tb->setToolButtonStyle(Qt::ToolButtonIconOnly);
  tb->setMovable(false);
  tb->setFloatable(false);
  tb->setContextMenuPolicy(Qt::PreventContextMenu);
  // The relay-test action keeps its place in the order but has no button.
  for (const char* n : {"NOVOCALC", "NOVOCOORD", "OPEN", "SAVE", "SAVEAS", "PRINT"})
    tb->addAction(acao(n));
  tb->addSeparator();
  tb->addAction(acao("UNDO"));
  tb->addAction(acao("REDO"));
}

void TfmMAIN::estado(tFMBASE* ativo) {
  const bool coord = ativo != nullptr && ativo->extdef == "coord";
  // A window without a document object (the relay test sheet) has nothing to
  // write, so its Save actions stay off.
  const bool salva = ativo != nullptr && ativo->projbase() != nullptr;
  acao("SAVE")->setEnabled(salva);
  acao("SAVEAS")->setEnabled(salva);
  // Every kind prints (the relay test its table and chart); the chart image
  // comes from a chart or a relay test, the settings text from a chart only.
  const bool grafico = coord || (ativo != nullptr && ativo->extdef == "ens");
  acao("PRINT")->setEnabled(ativo != nullptr);
  acao("EXPORTPDF")->setEnabled(coord || (ativo != nullptr && ativo->extdef == "ajuste"));
  acao("SAVEJPGFILE")->setEnabled(grafico);
  acao("SAVESVGFILE")->setEnabled(coord);
  acao("SAVEPROPFILE")->setEnabled(coord);
  acao("SAVEPROPAREA")->setEnabled(coord);
  QUndoStack* pilha = ativo != nullptr ? ativo->pilha() : nullptr;
  if (pilha != nullptr && !passos_->stacks().contains(pilha)) passos_->addStack(pilha);
  passos_->setActiveStack(pilha);
  if (pilha == nullptr) {
    acao("UNDO")->setEnabled(false);
    acao("REDO")->setEnabled(false);
    acao("UNDO")->setText(QStringLiteral("Desfazer"));
    acao("REDO")->setText(QStringLiteral("Refazer"));
  }
}

// ---- other windows ---------------------------------------------------------------

void TfmMAIN::set_fmnovo(QWidget* w) {
  fmnovo_ = w;
  miNOVO_->setEnabled(w != nullptr);
}

void TfmMAIN::set_sobre(std::function<void()> f) {
  sobre_ = std::move(f);
  miSOBRE_->setEnabled(static_cast<bool>(sobre_));
}

void TfmMAIN::set_checkchangelog(std::function<void()> f) {
  checkchangelog_ = std::move(f);
}

void TfmMAIN::set_manual(std::function<void()> f) {
  manual_ = std::move(f);
  miMANUAL_->setEnabled(static_cast<bool>(manual_));
}

void TfmMAIN::set_checkupdate(std::function<void()> f) {
  checkupdate_ = std::move(f);
  acao("CHECKUPDATE")->setEnabled(static_cast<bool>(checkupdate_));
}

void TfmMAIN::fecha_novo() {
  if (fmnovo_ && fmnovo_->isVisible()) fmnovo_->close();
}

// ---- document kinds and commands -------------------------------------------

void TfmMAIN::registra(tTIPODOC t) {
  const std::string ext = t.ext;
  tipos_[ext] = std::move(t);
  if (ext == "ajuste") acao("NOVOCALC")->setEnabled(true);
  if (ext == "coord") acao("NOVOCOORD")->setEnabled(true);
  if (ext == "ens") acao("NOVOENSAIO")->setEnabled(true);
}

const tTIPODOC* TfmMAIN::tipo(std::string_view ext) const {
  const auto it = tipos_.find(ext);
  return it == tipos_.end() ? nullptr : &it->second;
}

void TfmMAIN::tab_add(tFMBASE* w) {
  if (w == nullptr) return;
  w->setParent(this);
  abas_->tab_add(w);
}

tFMBASE* TfmMAIN::novo(const std::string& ext) {
  const tTIPODOC* t = tipo(ext);
  if (t == nullptr || !t->cria) return nullptr;
  std::unique_ptr<tFMBASE> w = t->cria();
  if (!w) return nullptr;
  tFMBASE* p = w.release();
  tab_add(p);
  return p;
}

namespace {

// Two names of one file or folder, whatever the relative parts or links.
bool mesmo_arquivo(const std::string& a, const std::string& b) {
  const QString ca = QFileInfo(QString::fromStdString(a)).canonicalFilePath();
  return !ca.isEmpty() && ca == QFileInfo(QString::fromStdString(b)).canonicalFilePath();
}

}  // namespace

void TfmMAIN::loadfile(bool asref, std::string filename) {
  if (filename.empty()) {
    // A new user, with nothing opened yet, starts among the example studies.
    const std::string pasta = recentes_.lista().empty() ? exemplos_ : std::string();
    if (!sel_file(filename, kEXTSDOC, false, pasta)) return;
  }
  // Recorded before the kind is examined: an unknown file stays in the list.
  lis_rec_add(filename);

  const std::string ext = extensao(filename);  // compared exactly, case included
  const tTIPODOC* t = ext.size() > 1 ? tipo(ext.substr(1)) : nullptr;
  if (t == nullptr || !t->abre || !t->cria) {
    if (t == nullptr && (ext == ".coord" || ext == ".ajuste")) {
      dialogos().erro(fmt::format(
          "Os arquivos \"{}\" ainda não podem ser abertos nesta versão do programa.", ext));
    } else {
      dialogos().erro("Tipo de arquivo desconhecido.");
    }
    return;
  }

  // A document already open comes to the front: a second copy of it would
  // let one save overwrite the other's work.
  if (!asref) {
    for (tFMBASE* aberto : tab_lst()) {
      if (!aberto->curfilename.empty() && mesmo_arquivo(aberto->curfilename, filename)) {
        tab_set(aberto);
        strip_->update();
        return;
      }
    }
  }
  // The shipped examples stay as shipped: one opens as a new study based on
  // it, so the first save asks for a name of the user's own.
  if (!exemplos_.empty() &&
      mesmo_arquivo(QFileInfo(QString::fromStdString(filename)).absolutePath().toStdString(),
                    exemplos_))
    asref = true;

  tFMBASE* w = novo(t->ext);
  if (w == nullptr) return;
  try {
    w->loadfromfile(filename);
  } catch (...) {
    // A window that could not read its file is not kept: left open, with the
    // file's name, an empty document could later be saved over the file.
    tab_del(w);
    delete w;
    throw;
  }
  if (asref) {
    w->curfilename.clear();
    w->setcaption("Novo com base em: " + nome_arquivo(filename));
  }
  if (QWidget* c = w->container()) c->update();
  strip_->update();
}

void TfmMAIN::salvar() {
  tFMBASE* w = xta();
  if (w == nullptr) return;
  w->confirmaedicao();
  w->savetofile(w->curfilename);
  if (!w->curfilename.empty()) lis_rec_add(w->curfilename);
  strip_->update();
}

void TfmMAIN::salvarcomo() {
  tFMBASE* w = xta();
  if (w == nullptr) return;
  w->confirmaedicao();
  // The empty name makes savetofile ask for one. curfilename itself is left
  // alone: a cancelled or failed "Salvar como..." keeps the document tied to
  // the file it came from, so a later "Salvar" still writes there.
  w->savetofile(std::string());
  strip_->update();
}

void TfmMAIN::closeform(tFMBASE* w, tFECHAR& action) {
  if (w == nullptr || abas_->indexof(w) < 0) return;
  w->confirmaedicao();
  if (!w->canclose(action)) return;
  tab_del(w);
  // Deferred: the close request may come from inside the window's own panel.
  w->deleteLater();
}

void TfmMAIN::imprimir() {
  tFMBASE* w = xta();
  if (w == nullptr) return;
  w->confirmaedicao();
  if (!dialogos().imprimir(printer_)) return;
  tPRINTSCOPE imprimindo;
  w->printexec(printer_);
}

void TfmMAIN::exportapdf() {
  tFMBASE* w = xta();
  if (w == nullptr) return;
  w->confirmaedicao();
  // The resolutions of the PDFs of tarvinel-cli pdf, so both give the same
  // pages.
  if (w->extdef == "coord") w->exportapdf("coordenograma", 600);
  if (w->extdef == "ajuste") w->exportapdf("relatorio", 1200);
}

void TfmMAIN::exporta(bool imagem, bool arquivo) {
  tFMBASE* w = xta();
  if (w == nullptr) return;
  w->confirmaedicao();
  if (imagem && (w->extdef == "coord" || w->extdef == "ens"))
    w->savejpg(arquivo);
  else if (!imagem && w->extdef == "coord")
    w->saveprop(arquivo);
}

// ---- window events ------------------------------------------------------------

void TfmMAIN::closeEvent(QCloseEvent* e) {
  bool fica = false;
  const bool ok = comando([&] {
    while (!tab_lst().empty()) {
      tFMBASE* w = tab_lst().front();
      tFECHAR act = tFECHAR::libera;
      closeform(w, act);
      if (act == tFECHAR::nenhum || (!tab_lst().empty() && tab_lst().front() == w)) {
        fica = true;
        break;
      }
    }
  });
  if (!ok || fica) {
    e->ignore();
    return;
  }
  fecha_novo();
  e->accept();
}

void TfmMAIN::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (mostrado_) return;
  mostrado_ = true;
  setWindowTitle(QString::fromStdString(versionline));
  tab_set(nullptr);
  // After the window is on screen: the change history and the welcome screen
  // come up over it.
  QTimer::singleShot(0, this, [this] {
    comando([this] {
      if (checkchangelog_) checkchangelog_();
    });
    if (fmnovo_) {
      fmnovo_->show();
      fmnovo_->raise();
    }
  });
}

bool TfmMAIN::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    mostra_hint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TfmMAIN::mostra_hint(const QString& texto) {
  status_->setText(texto_hint(texto));
}

bool TfmMAIN::eventFilter(QObject* o, QEvent* e) {
  if (!o->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(o);
  if (e->type() == QEvent::ToolTip) {
    // Every hint: "$" as a line break, visible for 5000 ms.
    if (w->toolTip().isEmpty()) return false;
    auto* he = static_cast<QHelpEvent*>(e);
    QToolTip::showText(he->globalPos(), texto_hint(w->toolTip()), w, QRect(), kHINTHIDE);
    return true;
  }
  if (e->type() == QEvent::Enter && w->window() == this) {
    // The status bar follows the hint of the control under the mouse.
    QString h;
    for (QWidget* x = w; x != nullptr && x != this && h.isEmpty(); x = x->parentWidget())
      h = x->statusTip().isEmpty() ? x->toolTip() : x->statusTip();
    mostra_hint(h);
  }
  return false;
}

}  // namespace tarvinel
