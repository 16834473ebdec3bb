#pragma once
// Fixture of the shell tests: a main window on the offscreen platform, a
// scripted dialogs service, an in-memory settings store and a temporary folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "core/curves/inifile.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/tabstrip.h"
#include "shell_doc.h"
#include "support/dialogos_teste.h"

namespace tarvinel::teste {

class tSHELL : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    inifile_open(std::make_unique<tMEMSTORE>());
    fm = std::make_unique<TfmMAIN>();
    fm->resize(900, 600);
  }
  void TearDown() override {
    fm.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    inifile_close();
  }

  std::string caminho(const std::string& nome) const {
    return QDir(dir.path()).filePath(QString::fromStdString(nome)).toStdString();
  }

  // A mouse press in the tab strip at (x, y).
  void clica(int x, int y) {
    tTABSTRIP* s = fm->tab_ptb();
    QMouseEvent ev(QEvent::MouseButtonPress, QPointF(x, y), s->mapToGlobal(QPointF(x, y)),
                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s, &ev);
  }

  // Position of w in the tab list; -1 when it is not there (or w is none).
  int indice(const tFMBASE* w) const {
    const auto& l = fm->tab_lst();
    const auto it = std::find(l.begin(), l.end(), w);
    return w == nullptr || it == l.end() ? -1 : static_cast<int>(it - l.begin());
  }

  // Runs the deferred deletions of closed windows.
  static void apaga_pendentes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QTemporaryDir dir;
  tROTEIRO dlg;
  std::unique_ptr<TfmMAIN> fm;
};

}  // namespace tarvinel::teste
