#include "gui/shell/menuhint.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QStyle>
#include <QToolTip>

#include "gui/shell/hints.h"

namespace tarvinel {

tMENUHINT::tMENUHINT(QObject* parent) : QObject(parent) {
  showTimer_.setSingleShot(true);
  hideTimer_.setSingleShot(true);
  showTimer_.setInterval(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay));
  hideTimer_.setInterval(kHIDE);
  connect(&showTimer_, &QTimer::timeout, this, &tMENUHINT::mostra);
  connect(&hideTimer_, &QTimer::timeout, this, &tMENUHINT::esconde);
}

void tMENUHINT::observa(QMenu* menu) {
  connect(menu, &QMenu::hovered, this, &tMENUHINT::DoActivateHint);
  connect(menu, &QMenu::aboutToHide, this, [this] { DoActivateHint(nullptr); });
  for (QAction* a : menu->actions())
    if (QMenu* sub = a->menu()) observa(sub);
}

void tMENUHINT::DoActivateHint(QAction* item) {
  esconde();
  if (item != nullptr && !item->statusTip().isEmpty()) {
    activeMenuItem_ = item;
    showTimer_.start();
    hideTimer_.start();
  } else {
    activeMenuItem_ = nullptr;
    showTimer_.stop();
    hideTimer_.stop();
  }
}

void tMENUHINT::mostra() {
  showTimer_.stop();
  if (!activeMenuItem_) return;
  QToolTip::showText(QCursor::pos() + QPoint(16, 16), texto_hint(activeMenuItem_->statusTip()),
                     nullptr, QRect(), kHIDE);
}

void tMENUHINT::esconde() {
  hideTimer_.stop();
  QToolTip::hideText();
}

}  // namespace tarvinel
