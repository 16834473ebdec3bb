#pragma once
// The fuse-link chooser: the catalogue's links by group, "-max" curves left
// out (they are the upper edges of the links' bands, drawn with their link,
// never chosen on their own). Reached through dialogos().elo.
//
// The tree is built once from elolista(), which never changes. The chooser
// does not preselect the current value; the previous selection stays.

#include <QDialog>
#include <optional>
#include <string>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarvinel {

class TfmELO : public QDialog {
  Q_OBJECT

 public:
  // The group whose name means "no fuse link" when chosen.
  static constexpr const char* kNENHUM = "Nenhum";

  explicit TfmELO(QWidget* parent = nullptr);
  ~TfmELO() override;

  // Shows the chooser; "Selecionar" gives the selected link (or "Nenhum"),
  // "Cancelar" or the close box nothing. val is the setting's current link,
  // for the callers' symmetry with the other choosers; it is not preselected.
  std::optional<std::string> sel_elo(const std::string& val);

  // The text "Selecionar" would give for the current selection; nothing when
  // the selection cannot be chosen (none, or a group other than "Nenhum").
  std::optional<std::string> escolha() const;

  QTreeWidget* tvMAIN = nullptr;
  QPushButton* btOK = nullptr;
  QPushButton* btCANCEL = nullptr;

 private:
  void selecionou();
};

}  // namespace tarvinel
