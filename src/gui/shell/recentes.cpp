#include "gui/shell/recentes.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <algorithm>

#include "core/foundation/arquivo.h"
#include "core/foundation/codec.h"

namespace tarvinel {

namespace {
// The list is written in UTF-8; a list that is not valid UTF-8 comes from the
// 8-bit code page of older versions.
bool utf8_valido(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t c;
    const std::size_t n = readutf8(s, i, c);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool iguais(const std::string& a, const std::string& b) {
  return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}
}  // namespace

void tRECENTES::add(const std::string& filename) {
  if (filename.empty()) return;
  lis_.erase(std::remove_if(lis_.begin(), lis_.end(),
                            [&](const std::string& s) { return iguais(s, filename); }),
             lis_.end());
  lis_.insert(lis_.begin(), filename);
  if (lis_.size() > static_cast<std::size_t>(kMAX)) lis_.resize(kMAX);
  if (onchange) onchange();
}

void tRECENTES::clear() {
  lis_.clear();
  if (onchange) onchange();
}

void tRECENTES::ler(const std::string& path) {
  std::vector<std::string> linhas;
  try {
    const std::string bytes = lerbytes(path);
    linhas = splitlines(utf8_valido(bytes) ? bytes : decodetext(bytes));
  } catch (...) {
    linhas.clear();
  }
  lis_.clear();
  // Oldest first through add, so the rules hold even for a file edited by hand.
  for (auto it = linhas.rbegin(); it != linhas.rend(); ++it) {
    const auto b = it->find_first_not_of(" \t");
    if (b == std::string::npos) continue;
    const auto e = it->find_last_not_of(" \t");
    const std::string s = it->substr(b, e - b + 1);
    lis_.erase(std::remove_if(lis_.begin(), lis_.end(),
                              [&](const std::string& x) { return iguais(x, s); }),
               lis_.end());
    lis_.insert(lis_.begin(), s);
  }
  if (lis_.size() > static_cast<std::size_t>(kMAX)) lis_.resize(kMAX);
  if (onchange) onchange();
}

void tRECENTES::gravar(const std::string& path) const {
  std::string texto;
  for (const auto& s : lis_) texto += s + "\n";
  try {
    const QString pasta = QFileInfo(QString::fromStdString(path)).absolutePath();
    QDir().mkpath(pasta);
    gravartexto(path, texto);
  } catch (...) {
  }
}

std::string tRECENTES::caminho_padrao() {
  const QString pasta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(pasta).filePath(QStringLiteral("recente.txt")).toStdString();
}

}  // namespace tarvinel
