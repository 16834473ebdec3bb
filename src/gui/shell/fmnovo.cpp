#include "gui/shell/fmnovo.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/foundation/contato.h"
#include "core/foundation/estado.h"
#include "gui/comando.h"
#include "gui/dialogos.h"
#include "gui/shell/ajuda.h"
#include "gui/shell/icones.h"
#include "gui/shell/recentes.h"

namespace tarvinel {

namespace {

// A heading in large green letters with a rule under it.
void titulo(QVBoxLayout* lay, const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  QFont f = l->font();
  f.setPointSize(f.pointSize() + 6);
  l->setFont(f);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00));
  l->setPalette(p);
  auto* regua = new QFrame(pai);
  regua->setFrameShape(QFrame::HLine);
  regua->setFrameShadow(QFrame::Sunken);
  lay->addWidget(l);
  lay->addWidget(regua);
}

}  // namespace

TfmNOVO::TfmNOVO(tRECENTES& recentes, tACOES acoes, tABRIR abrir, QWidget* parent)
    // A tool window of the main window: the window system keeps it above the
    // main window only, so the modal windows the main window opens while it
    // is shown (questions, "Sobre", the curve editor) come up above it.
    : QWidget(parent, Qt::Tool), recentes_(recentes), abrir_(std::move(abrir)) {
  resize(660, 520);
  auto* lay = new QVBoxLayout(this);
  titulo(lay, QStringLiteral("Criar novo arquivo ou abrir um salvo..."), this);

  struct tBOTAO {
    tFIGURA figura;
    const char* caption;
    const char* hint;
    const char* texto;
    Qt::Key tecla;
    QAction* acao;
  };
  const tBOTAO botoes[3] = {
      {tFIGURA::novocalc, "Ajuste/Cálculo (F2)", "Novo ajuste/calculo de rele",
       "Ferramenta para calcular os ajustes de um rele/religador de acordo com os parâmetros da "
       "linha e da concessionária.",
       Qt::Key_F2, acoes.novocalc},
      {tFIGURA::novocoord, "Coordenograma (F3)", "Novo coordenograma",
       "Ferramenta para criação do coor- denograma, permitindo visualizar curvas dos reles, "
       "fusíveis, cabos, etc...",
       Qt::Key_F3, acoes.novocoord},
      {tFIGURA::abrir, "Abrir (F4)", "",
       "Abra um arquivo salvo anterior- mente e modifiqueo conforme desejado.", Qt::Key_F4,
       acoes.abrir},
  };
  auto* grade = new QGridLayout;
  for (int i = 0; i < 3; ++i) {
    const tBOTAO& b = botoes[i];
    auto* bt = new QToolButton(this);
    bt->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bt->setIconSize(QSize(64, 64));
    bt->setIcon(QIcon(figura_pixmap(b.figura, 64)));
    bt->setText(QString::fromUtf8(b.caption));
    bt->setToolTip(QString::fromUtf8(b.hint));
    bt->setStatusTip(QString::fromUtf8(b.hint));
    bt->setShortcut(QKeySequence(b.tecla));
    bt->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    bt->setMinimumHeight(110);
    if (QAction* a = b.acao) {
      // The button follows its action: disabled while the action is (a kind
      // of document not available), and a click is the action's trigger.
      bt->setEnabled(a->isEnabled());
      connect(a, &QAction::changed, bt, [bt, a] { bt->setEnabled(a->isEnabled()); });
      connect(bt, &QToolButton::clicked, a, &QAction::trigger);
    } else {
      bt->setEnabled(false);
    }
    auto* texto = new QLabel(QString::fromUtf8(b.texto), this);
    texto->setWordWrap(true);
    texto->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    grade->addWidget(bt, 0, i);
    grade->addWidget(texto, 1, i);
    grade->setColumnStretch(i, 1);
    bt_[i] = bt;
  }
  lay->addLayout(grade);

  lbSITE_ = new QLabel(this);
  lbSITE_->setTextFormat(Qt::RichText);
  lbSITE_->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000FF\">%1</a>")
                       .arg(QString::fromUtf8(site_contato)));
  lbSITE_->setToolTip(
      QStringLiteral("Clique aqui para acessar nosso site de fazer o download da última versão"));
  lbSITE_->setCursor(Qt::PointingHandCursor);
  lbSITE_->setAlignment(Qt::AlignCenter);
  connect(lbSITE_, &QLabel::linkActivated, this, [this] { abre_site(); });
  lay->addWidget(lbSITE_);

  titulo(lay, QStringLiteral("Abrir um arquivo recente"), this);
  lis_rec_ = new QListWidget(this);
  connect(lis_rec_, &QListWidget::itemDoubleClicked, this, [this] { abre_recente(); });
  lay->addWidget(lis_rec_, 1);

  recentes_.onchange = [this] { mostra_lista(); };
  mostra_lista();
}

TfmNOVO::~TfmNOVO() {
  recentes_.onchange = nullptr;
}

void TfmNOVO::mostra_lista() {
  lis_rec_->clear();
  for (const std::string& s : recentes_.lista()) lis_rec_->addItem(QString::fromStdString(s));
}

void TfmNOVO::abre_recente() {
  const QListWidgetItem* item = lis_rec_->currentItem();
  if (item == nullptr || !item->isSelected()) return;
  const std::string nome = item->text().toStdString();
  if (!QFileInfo(item->text()).isFile()) {
    dialogos().erro("Arquivo não encontrado.");
    return;
  }
  // A file that exists but cannot be read is reported like any failed open;
  // the screen then stays, so another entry can be tried.
  if (abrir_ && comando([&] { abrir_(nome); })) hide();
}

void TfmNOVO::abre_site() {
  if (!shell_open(site_contato))
    dialogos().erro(std::string("Não foi possível abrir o endereço ") + site_contato + ".");
}

void TfmNOVO::showEvent(QShowEvent* e) {
  setWindowTitle(QString::fromStdString("Bem vindo ao " + versionline));
  QScreen* tela = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (tela != nullptr) {
    QRect r = frameGeometry();
    r.moveCenter(tela->availableGeometry().center());
    move(r.topLeft());
  }
  QWidget::showEvent(e);
}

}  // namespace tarvinel
