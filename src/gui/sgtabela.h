#pragma once
// The table view over a tTABELA (string grid): the model's row 0 is the title
// row, shown as the header; column widths come from the model, and the model
// measures texts in the view's font. Edits the user makes are written into the
// model and reported by `alterado` with the model's column and row.
//
// The view does not own the table; the table must outlive the view.

#include <QTableView>

#include "core/foundation/grade.h"

namespace tarvinel {

class tSGMODEL;

class tSGTABELA : public QTableView {
  Q_OBJECT

 public:
  explicit tSGTABELA(QWidget* parent = nullptr);

  void settabela(tTABELA* sg);
  tTABELA* tabela() const;
  void seteditavel(bool on);
  // A column whose cells cannot be selected or edited.
  void setfixa(int col, bool on = true);
  // Rebuilds rows and column widths from the table (after code changed it).
  void recarrega();
  // The current row in the table's numbering (1 = first data row); 0 when none.
  int linha_atual() const;
  void set_linha_atual(int row);

 signals:
  void alterado(int col, int row);

 private:
  tSGMODEL* model_;
};

}  // namespace tarvinel
