#pragma once
// The list of open document windows (tab_lst, in creation order, which is the
// tab order) and the active one (xta, or none). The active window's content
// panel sits in the document area; every other panel rests in its own
// window's hidden holder.
//
// The list refers to the windows; the main window owns them and destroys a
// window only through closeform, which removes it from the list (tab_del).

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace tarvinel {

class tFMBASE;

class tABAS : public QObject {
  Q_OBJECT

 public:
  // `area` is the document area that receives the active window's panel.
  explicit tABAS(QWidget* area, QObject* parent = nullptr);

  const std::vector<tFMBASE*>& tab_lst() const { return tab_lst_; }
  tFMBASE* xta() const { return xta_; }
  int indexof(const tFMBASE* w) const;

  // Appends w and makes it active.
  void tab_add(tFMBASE* w);
  // Makes w (or none) the active window, moves the panels, brings the action
  // states in line (signal estado) and repaints.
  void tab_set(tFMBASE* w);
  // Removes w from the list without destroying it. When w was active the first
  // remaining window becomes active (none when the list is empty); closing a
  // window that was not active leaves the active one as it is.
  void tab_del(tFMBASE* w);

 signals:
  // The active window changed (or none): the actions follow it.
  void estado(tarvinel::tFMBASE* ativo);
  // The tab strip and the document area must be repainted.
  void repinta();

 private:
  QWidget* area_;
  std::vector<tFMBASE*> tab_lst_;
  tFMBASE* xta_ = nullptr;
};

}  // namespace tarvinel
