#pragma once
// The about window TfmABOUT ("Informações") with the program's change history,
// and the one-time display of that history after the program was updated.
//
// The change history is the resource ":/changelog"; its first line is the
// version line, which the about window makes the program's `versionline`
// when it is created (at start, before anything shows the version).

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace tarvinel {

// The whole change-history text, lines joined by '\n'.
std::string changelog_texto();

class TfmABOUT : public QDialog {
  Q_OBJECT

 public:
  explicit TfmABOUT(QWidget* parent = nullptr);

  QLabel* lbVERSAO() const { return lbVERSAO_; }
  QPlainTextEdit* mmCHANGELOG() const { return mmCHANGELOG_; }

 private:
  QLabel* lbVERSAO_ = nullptr;
  QPlainTextEdit* mmCHANGELOG_ = nullptr;
};

// The message shown once after an update.
std::string msg_changelog(const std::string& versao);

// Run once when the main window is shown. The settings store remembers, under
// "geral"/"sobre", the version whose history the user last saw; when it holds
// another version, the message and then the about window (not modal) are
// shown and the value becomes the current version line. On the first start
// (no value) nothing is shown and the current version is stored, so the
// history appears after the next update.
void checkchangelog(TfmABOUT& about);

}  // namespace tarvinel
