#pragma once
// The message log lbPRINTF: every text handed to the message sink becomes a
// numbered, time-stamped line "[n] HH:MM:SS - text". A line holding "#" is a
// warning and is drawn in red. The counter starts at 0 and is never reset,
// not even by "Limpar mensagens".

#include <QListWidget>
#include <string>

namespace tarvinel {

class tLOG : public QListWidget {
  Q_OBJECT

 public:
  explicit tLOG(QWidget* parent = nullptr);

  // Appends the line for one message and scrolls to it.
  void add(const std::string& texto);
  // "Limpar mensagens": empties the list; the numbering goes on.
  void limpa();
  int contador() const { return contador_; }

  // Text colour of a line: red (0x0000FF as 0x00BBGGRR) for a warning.
  static QColor cor(const QString& linha);

 private:
  int contador_ = 0;
};

}  // namespace tarvinel
