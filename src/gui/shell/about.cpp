#include "gui/shell/about.h"

#include <QFile>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/curves/inifile.h"
#include "core/foundation/contato.h"
#include "core/foundation/estado.h"
#include "gui/dialogos.h"
#include "gui/shell/icones.h"

// The resource lives in the static widget library; naming it here keeps the
// linker from dropping it. Q_INIT_RESOURCE must be used outside a namespace.
static void carrega_recurso_changelog() {
  Q_INIT_RESOURCE(changelog);
}

namespace tarvinel {

namespace {

// The authors as the about window names them.
constexpr const char* kAUTORES = "Orbelin";

}  // namespace

std::string changelog_texto() {
  carrega_recurso_changelog();
  QFile f(QStringLiteral(":/changelog"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  QString t = QString::fromUtf8(f.readAll());
  t.remove(QLatin1Char('\r'));
  return t.toStdString();
}

TfmABOUT::TfmABOUT(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Informações"));
  resize(720, 480);

  const std::string texto = changelog_texto();
  const std::string primeira = texto.substr(0, texto.find('\n'));
  if (!primeira.empty()) versionline = primeira;

  auto* icone = new QLabel(this);
  icone->setPixmap(figura_pixmap(tFIGURA::programa, 48));
  icone->setAlignment(Qt::AlignTop | Qt::AlignLeft);

  lbVERSAO_ = new QLabel(this);
  lbVERSAO_->setText(QString::fromStdString(versionline + ", Desenvolvido por " + kAUTORES +
                                            "\nContato: " + email_contato));
  lbVERSAO_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  mmCHANGELOG_ = new QPlainTextEdit(this);
  mmCHANGELOG_->setReadOnly(true);
  mmCHANGELOG_->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmCHANGELOG_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmCHANGELOG_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont mono(QStringLiteral("Consolas"));
  mono.setPixelSize(13);
  mono.setStyleHint(QFont::TypeWriter);  // a fixed-pitch face where Consolas is missing
  mono.setFixedPitch(true);
  mmCHANGELOG_->setFont(mono);
  mmCHANGELOG_->setPlainText(QString::fromStdString(texto));

  auto* topo = new QHBoxLayout;
  topo->addWidget(icone);
  topo->addWidget(lbVERSAO_, 1);
  auto* lay = new QVBoxLayout(this);
  lay->addLayout(topo);
  lay->addWidget(mmCHANGELOG_, 1);
}

std::string msg_changelog(const std::string& versao) {
  return "Bem vindo ao " + versao + "\n" +
         "Uma atualização foi identificada e por conta disso o changelog será exibido. " +
         "Através dele você pode ficar sabendo o que há de novo em relação as versões anteiores." +
         "\n" + "Obrigado pela atenção.";
}

void checkchangelog(TfmABOUT& about) {
  if (!inifile_isopen()) return;
  const std::string visto = inifile().readstr("geral", "sobre", "");
  if (visto == versionline) return;
  inifile().writestr("geral", "sobre", versionline);
  inifile().store().flush();
  if (visto.empty()) return;  // first start: nothing new to tell
  dialogos().info(msg_changelog(versionline));
  about.show();
}

}  // namespace tarvinel
