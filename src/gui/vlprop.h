#pragma once
// The property-grid view over a tPROPGRID: two columns ("Propriedade",
// "Valor"), one row per model row. Section rows (keys that begin with a blank)
// are drawn bold on white across both columns and cannot be edited; rows with
// a pick list edit in an editable drop-down; rows that ask for a button show
// "..." while edited, which emits `botao` with the key; the row "Cor" shows a
// swatch of its colour. Enter takes the edit and moves to the next row. Every
// edit the user makes is written into the model and reported by `alterado`;
// typing in an editor is reported at once by `digitado`.
//
// The view does not own the model; it takes the model's onchange to follow
// changes made by code (showprop). The model must outlive the view or be
// released with setgrid(nullptr).

#include <QTableView>
#include <string>

#include "core/foundation/grade.h"

namespace tarvinel {

class tVLMODEL;

class tVLPROP : public QTableView {
  Q_OBJECT

 public:
  explicit tVLPROP(QWidget* parent = nullptr);
  ~tVLPROP() override;

  void setgrid(tPROPGRID* vl);
  tPROPGRID* grid() const;
  void settitulos(const QString& chave, const QString& valor);
  // Rebuilds the rows from the model.
  void recarrega();
  // The key of the current row; empty when none.
  std::string chave_atual() const;
  // Makes the row of that key current (and edits it when editable).
  void seleciona(const std::string& key);

  // Colour of a "Cor" value ("$BBGGRR" hexadecimal, 0x00BBGGRR) as Qt sees it.
  static QColor cor_valor(const std::string& valor);

 signals:
  void alterado(const QString& key);
  // The user typed in a row's editor (the edit is not in the model yet).
  void digitado(const QString& key);
  void botao(const QString& key);

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  friend class tVLDELEGATE;
  void proxima();
  void aplica_spans();

  tVLMODEL* model_;
};

}  // namespace tarvinel
