#include "gui/shell/ajuda.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "gui/dialogos.h"

namespace tarvinel {

namespace {

tSHELLOPEN& substituto() {
  static tSHELLOPEN f;
  return f;
}

}  // namespace

bool shell_open(const std::string& alvo) {
  if (substituto()) return substituto()(alvo);
  const QString s = QString::fromStdString(alvo);
  const QUrl url = s.contains(QStringLiteral("://")) ? QUrl(s) : QUrl::fromLocalFile(s);
  return QDesktopServices::openUrl(url);
}

tSHELLOPEN set_shell_open(tSHELLOPEN f) {
  tSHELLOPEN anterior = std::move(substituto());
  substituto() = std::move(f);
  return anterior;
}

std::vector<std::string> caminhos_manual(const std::string& pasta_programa) {
  const QDir pasta(QString::fromStdString(pasta_programa));
  return {
      QDir::cleanPath(pasta.absoluteFilePath(QStringLiteral("manual.pdf"))).toStdString(),
      QDir::cleanPath(pasta.absoluteFilePath(QStringLiteral("../share/doc/tarvinel/manual.pdf")))
          .toStdString(),
  };
}

std::string msg_sem_manual(const std::vector<std::string>& caminhos) {
  std::string s = "O manual não foi encontrado. Arquivo procurado em:";
  for (const std::string& c : caminhos) s += "\n" + c;
  return s;
}

void abre_manual(const std::string& pasta_programa) {
  const std::vector<std::string> caminhos = caminhos_manual(pasta_programa);
  for (const std::string& c : caminhos) {
    if (!QFileInfo(QString::fromStdString(c)).isFile()) continue;
    if (!shell_open(c))
      dialogos().erro("Não foi possível abrir o manual \"" + c +
                      "\": não há um programa para arquivos PDF.");
    return;
  }
  dialogos().info(msg_sem_manual(caminhos));
}

void abre_manual() {
  abre_manual(QCoreApplication::applicationDirPath().toStdString());
}

std::string pasta_exemplos(const std::string& pasta_programa) {
  const QDir pasta(QString::fromStdString(pasta_programa));
  for (const QString& rel :
       {QStringLiteral("exemplos"), QStringLiteral("../share/tarvinel/exemplos")}) {
    const QString p = QDir::cleanPath(pasta.absoluteFilePath(rel));
    if (QFileInfo(p).isDir()) return p.toStdString();
  }
  return {};
}

std::string pasta_exemplos() {
  return pasta_exemplos(QCoreApplication::applicationDirPath().toStdString());
}

void checkupdate() {
  dialogos().info(kMSGATUALIZACAO);
}

}  // namespace tarvinel
