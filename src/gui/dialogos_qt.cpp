#include "gui/dialogos_qt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace tarvinel {

namespace {

QWidget* pai() {
  return QApplication::activeWindow();
}

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// Title of the message boxes: the program's name, as the platform's own
// message boxes show it.
QString titulo() {
  return QStringLiteral("Tarvinel");
}

}  // namespace

QStringList filtros_qt(const std::string& filtro) {
  const QStringList partes = qs(filtro).split('|');
  QStringList r;
  for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
    QStringList padroes = partes[i + 1].split(';', Qt::SkipEmptyParts);
    if (padroes.isEmpty()) continue;
    r << QStringLiteral("%1 (%2)").arg(partes[i], padroes.join(' '));
  }
  return r;
}

void tDIALOGOSQT::mensagem(const std::string& texto, tICONE icone) {
  QMessageBox::Icon ic = QMessageBox::Information;
  if (icone == tICONE::confirmacao) ic = QMessageBox::Question;
  if (icone == tICONE::erro) ic = QMessageBox::Critical;
  QMessageBox box(ic, titulo(), qs(texto), QMessageBox::Ok, pai());
  box.exec();
}

tRESPOSTA tDIALOGOSQT::pergunta(const std::string& texto, tBOTOES botoes) {
  QMessageBox::StandardButtons b = QMessageBox::Yes | QMessageBox::No;
  if (botoes == tBOTOES::simnaocancela) b |= QMessageBox::Cancel;
  if (botoes == tBOTOES::okcancela) b = QMessageBox::Ok | QMessageBox::Cancel;
  QMessageBox box(QMessageBox::Question, titulo(), qs(texto), b, pai());
  // Portuguese captions whatever translations the platform has.
  if (auto* x = box.button(QMessageBox::Yes)) x->setText(QStringLiteral("Sim"));
  if (auto* x = box.button(QMessageBox::No)) x->setText(QStringLiteral("Não"));
  if (auto* x = box.button(QMessageBox::Cancel)) x->setText(QStringLiteral("Cancelar"));
  switch (box.exec()) {
    case QMessageBox::Yes:
      return tRESPOSTA::sim;
    case QMessageBox::No:
      return tRESPOSTA::nao;
    case QMessageBox::Ok:
      return tRESPOSTA::ok;
    case QMessageBox::Cancel:
      return tRESPOSTA::cancela;
    default:
      // Closed without a button: the safe answer that changes nothing.
      return botoes == tBOTOES::simnao ? tRESPOSTA::nao : tRESPOSTA::cancela;
  }
}

std::optional<std::string> tDIALOGOSQT::arquivo(const tPEDIDOARQ& p) {
  QFileDialog dlg(pai());
  dlg.setWindowTitle(QString());
  dlg.setAcceptMode(p.salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(p.salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dlg.setNameFilters(filtros_qt(p.filtro));
  if (!p.extpadrao.empty()) dlg.setDefaultSuffix(qs(p.extpadrao));
  if (!p.pasta.empty()) dlg.setDirectory(qs(p.pasta));
  if (!p.nome.empty()) dlg.selectFile(qs(p.nome));
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList escolhidos = dlg.selectedFiles();
  if (escolhidos.isEmpty()) return std::nullopt;
  return escolhidos.front().toStdString();
}

std::optional<std::uint32_t> tDIALOGOSQT::cor(std::uint32_t inicial) {
  const QColor ini(inicial & 0xFF, (inicial >> 8) & 0xFF, (inicial >> 16) & 0xFF);
  const QColor c = QColorDialog::getColor(ini, pai());
  if (!c.isValid()) return std::nullopt;
  return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
         (static_cast<std::uint32_t>(c.blue()) << 16);
}

bool tDIALOGOSQT::imprimir(QPrinter& printer) {
  QPrintDialog dlg(&printer, pai());
  return dlg.exec() == QDialog::Accepted;
}

bool tDIALOGOSQT::configurar_impressora(QPrinter& printer) {
  QPageSetupDialog dlg(&printer, pai());
  return dlg.exec() == QDialog::Accepted;
}

}  // namespace tarvinel
