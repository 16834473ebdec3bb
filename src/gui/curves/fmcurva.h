#pragma once
// The curve browser: every curve of the catalogue by group, the user curves
// under "CUSTOM", and a preview of the selected curve in multiples of pickup
// at dial 1. It is also the curve chooser of the whole program (sel_cur,
// reached through dialogos().curva).
//
// Edits act directly on usercurves(); "Cancelar" only discards the choice of
// curve, never the additions, edits or deletions made while the window was
// open. Those are written to the settings store when the window closes, so a
// later crash of the program does not lose them.

#include <QDialog>
#include <QWidget>
#include <optional>
#include <string>

#include "core/chart/chartx.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarvinel {

class tCANVAS;
class Tfm_edit_curve;

class TfmCURVA : public QDialog {
  Q_OBJECT

 public:
  explicit TfmCURVA(QWidget* parent = nullptr);
  ~TfmCURVA() override;

  // Opens the browser with nom_cur selected. "OK": the name selected then;
  // "Cancelar" or the close box: nothing.
  std::optional<std::string> sel_cur(const std::string& nom_cur);

  // Rebuilds the user-curve nodes from usercurves() and selects a node: the
  // user curve at position `usuario` when given, otherwise the first curve
  // node, in tree order, whose text is cur_sel (none when there is none).
  void showcurves(std::optional<int> usuario = std::nullopt);

  // The preview on any surface of w x h pixels: the window's paint box, or a
  // picture in the tests.
  void drawchart(tCANVAS& canvas, int w, int h);

  // Buttons. Editing and deleting need a user-curve node; on any other node
  // they do nothing.
  void editar();
  void adicionar();
  void excluir();

  const std::string& cursel() const { return cur_sel; }
  Tfm_edit_curve& editor() { return *fm_edit; }

  // Controls, for the main window's hooks and the tests.
  QTreeWidget* tvMAIN = nullptr;
  QTreeWidgetItem* cus = nullptr;  // the "CUSTOM" group
  QLabel* lbCURVA = nullptr;
  QWidget* pbCHART = nullptr;
  QComboBox* cbIMAX = nullptr;
  QPushButton* btEDIT = nullptr;
  QPushButton* btADD = nullptr;
  QPushButton* btDEL = nullptr;
  QPushButton* btOK = nullptr;
  QPushButton* btCANCEL = nullptr;

 private:
  void selecionou();
  void setcursel(const std::string& nome);
  // Position in usercurves() of the selected node; none when the selection
  // is not a user-curve node.
  std::optional<int> usuario_selecionado() const;

  tCHARTX chart;
  std::string cur_sel = "IEC-NI";
  Tfm_edit_curve* fm_edit = nullptr;  // child window
};

}  // namespace tarvinel
