#pragma once
// TMenuItemHint: the hint window of the menu entries. When an entry with a
// hint is highlighted, both timers restart: after the platform's hint pause
// the hint appears 16 pixels right of and below the mouse, and 5000 ms after
// the highlight it disappears. Leaving the entry or closing the menu hides it.

#include <QObject>
#include <QPointer>
#include <QTimer>

class QAction;
class QMenu;

namespace tarvinel {

class tMENUHINT : public QObject {
  Q_OBJECT

 public:
  static constexpr int kHIDE = 5000;

  explicit tMENUHINT(QObject* parent = nullptr);

  // Follows the highlighted entries of a menu and of its submenus.
  void observa(QMenu* menu);
  // The highlighted entry changed (nullptr: none, the menu closed).
  void DoActivateHint(QAction* item);

  QAction* activeMenuItem() const { return activeMenuItem_; }
  QTimer& showTimer() { return showTimer_; }
  QTimer& hideTimer() { return hideTimer_; }

 private:
  void mostra();
  void esconde();

  QPointer<QAction> activeMenuItem_;
  QTimer showTimer_;
  QTimer hideTimer_;
};

}  // namespace tarvinel
