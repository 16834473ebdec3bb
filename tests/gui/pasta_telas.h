#pragma once
// Screenshots the tests write for a person to look at go under the build
// folder, never to fixed paths of the machine.

#include <QDir>
#include <QString>

inline QString tela_teste(const QString& nome) {
  QDir().mkpath(QString::fromUtf8(TARVINEL_PASTA_TELAS));
  return QDir(QString::fromUtf8(TARVINEL_PASTA_TELAS)).filePath(nome);
}
