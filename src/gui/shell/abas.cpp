#include "gui/shell/abas.h"

#include <QWidget>
#include <algorithm>

#include "gui/shell/fmbase.h"

namespace tarvinel {

tABAS::tABAS(QWidget* area, QObject* parent) : QObject(parent), area_(area) {}

int tABAS::indexof(const tFMBASE* w) const {
  const auto it = std::find(tab_lst_.begin(), tab_lst_.end(), w);
  return it == tab_lst_.end() ? -1 : static_cast<int>(it - tab_lst_.begin());
}

void tABAS::tab_add(tFMBASE* w) {
  if (w == nullptr || indexof(w) >= 0) return;
  tab_lst_.push_back(w);
  connect(w, &tFMBASE::captionchanged, this, &tABAS::repinta);
  tab_set(w);
}

void tABAS::tab_set(tFMBASE* w) {
  if (w != nullptr && w == xta_) {
    emit repinta();
    return;
  }
  // Only a window of the list can become active.
  if (w != nullptr && indexof(w) < 0) w = nullptr;
  for (tFMBASE* x : tab_lst_) x->set_parent(nullptr);
  if (w != nullptr) w->set_parent(area_);
  xta_ = w;
  emit estado(w);
  emit repinta();
}

void tABAS::tab_del(tFMBASE* w) {
  const int i = indexof(w);
  if (i < 0) return;
  tab_lst_.erase(tab_lst_.begin() + i);
  disconnect(w, nullptr, this, nullptr);
  if (w == xta_) {
    xta_ = nullptr;  // so tab_set below moves the panels even to the same window
    w->set_parent(nullptr);
    tab_set(tab_lst_.empty() ? nullptr : tab_lst_.front());
  } else {
    emit repinta();
  }
}

}  // namespace tarvinel
