#pragma once
// TfmCOORD, the document window of a coordination chart. It owns the project
// (tPRJCOORD) and shows its settings in an item list, lets the user add,
// delete, reorder and edit them through a property grid, edits the chart's
// general data, and draws the chart with a live cursor readout and a pair of
// measuring cursors. The chart, the printed pages and the exported picture
// are all drawn by drawcoord from the page "Gráfico"'s options (opcoes()).
//
// Edits in the grids reach the document only through Apply ("Aplicar
// Alterações"), which alone marks the document changed; btAPLICAR enabled is
// the window's record of edits not yet applied.
//
// Ownership: the window owns proj, chart and cur_med; ajsel points into
// proj's list and is none exactly when that list is empty (and briefly while
// the selection changes). Every control lives on pnCONTAINER.

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/coordchart.h"
#include "core/coordination/prjcoord.h"
#include "core/coordination/verificacao.h"
#include "core/foundation/grade.h"
#include "gui/shell/fmbase.h"

class QAction;
class QCheckBox;
class QUndoStack;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QToolButton;

namespace tarvinel {

class TfmMAIN;
class tLISTAAJUSTES;
class tPBCHART;
class tVLPROP;

class TfmCOORD : public tFMBASE {
  Q_OBJECT

 public:
  // A window holding a new project with the example settings. The relay
  // counter is left as it is: novocoord resets it first.
  TfmCOORD();
  ~TfmCOORD() override;

  // ---- tFMBASE ----------------------------------------------------------------
  tPROJBASE* projbase() override { return proj.get(); }
  // Project -> the grid "Geral".
  void showprop() override;
  // The grid "Geral" -> project; an unreadable primary voltage becomes 13.8.
  void getprop() override;
  // The base reading, then the item list rebuilt (the last setting selected).
  void loadfromfile(const std::string& filename) override;
  // The chart page (or the phase and neutral pages) and the summary page on
  // the printer chosen in the print dialog.
  void printexec(QPrinter& printer) override;
  // The chart as a 1024 x 768 JPEG file, or on the clipboard as a picture
  // (offered also as PNG) together with its SVG document.
  void savejpg(bool arquivo) override;
  // The chart as a 1024 x 768 SVG file (vector lines, text as text).
  void savesvg() override;
  // The settings text to a text file, or on the clipboard.
  void saveprop(bool arquivo) override;

  // ---- the window's own operations ------------------------------------------
  // The whole chart on any surface of w by h pixels with margin folga.
  void drawto(tCANVAS& canvas, int w, int folga, int h);
  // The page "Gráfico" as drawing options (limits from the two lists).
  tOPCOES_GRAF opcoes() const;
  // Empty list: no selection, empty grid. updatecap: entry texts and swatches
  // refreshed, the selection kept. Otherwise: the list rebuilt and the last
  // setting selected through the selection step. Code that replaces the
  // project's settings (a calculation filling a new chart) does it while no
  // edits are pending and calls showitens(false) right after, before
  // anything else reaches the window.
  void showitens(bool updatecap);
  // The selection step for entry i (the user picking it): the apply question
  // when there are unapplied edits (Cancel keeps the previous setting and its
  // edits), then the setting shown in the item grid. False when cancelled.
  bool seleciona(int i);
  // "Aplicar Alterações".
  void aplicar();
  // The general grid into the project.
  void getprojeto();
  // The selected setting's grid into the setting, shown again and drawn;
  // nothing is left for Apply.
  void aplicaitem();
  // An entry of the add menu: a new setting of that kind at the end of the
  // list, selected.
  void pmAjusteClick(const tTIPOAJUSTE& tipo);
  // "-": the selected setting removed and destroyed, no question.
  void excluir();
  // The arrows: -1 up, +1 down.
  void mover(int tag);
  // A mouse button on the chart at pixel (x, y): the left one sets cursor A,
  // the right one cursor B; any button rewrites the three cursor lines.
  void clique_chart(double x, double y, Qt::MouseButton botao);
  // The mouse over the chart at pixel (x, y): the readout "%.2fs/%.0fA".
  void move_chart(double x, double y);

  // The selected setting's position in the list; -1 when none.
  int selecionado() const;
  // The page "Verificação" filled from the checks of the chart as it is.
  void showverif();

  // ---- the view: zoom and pan ---------------------------------------------------
  // The view is what the screen shows; it starts at the limits of the page
  // "Gráfico" (currents from the two lists, times 0.01 to 100 s), which stay
  // the chart's limits for printing and export. It is not part of the file
  // nor of the undo steps.
  tRECTX limites_graf() const;
  tRECTX vista_atual() const;
  // The page "Gráfico" with the view's limits: what the screen draws.
  tOPCOES_GRAF opcoes_tela() const;
  // What printing and the image exports draw: the limits, or the view when
  // "Imprimir vista atual" is checked.
  tOPCOES_GRAF opcoes_saida() const;
  // Zooms by `fator` (above 1: in) about the screen pixel (x, y), on the
  // current axis, the time axis or both. The view stays within 0.1 A to
  // 1000 kA and 0.01 s to 1000 s and never narrower than a sixth of a
  // decade.
  void zoom(double fator, double x, double y, bool corrente, bool tempo);
  // The view `de` moved by (dx, dy) screen pixels, the picture following the
  // mouse.
  void pan(const tRECTX& de, double dx, double dy);
  // Back to the limits of the page "Gráfico".
  void vista_limites();

  // ---- undo and redo ------------------------------------------------------------
  // One state of the document for the undo steps: the file's block text,
  // the page "Gráfico" and the selection.
  struct tESTADO {
    std::vector<std::string> linhas;
    std::vector<int> pagina;  // display check boxes, then the two limit lists
    int sel = -1;
  };
  tESTADO estado() const;
  // The document, the page and the selection become `e`; pending edits are
  // dropped (undo takes them in as a step first).
  void restaura(const tESTADO& e);
  // Records the change just made as one undo step named `nome` ("Aplicar:
  // Cliente"); nothing when the document and page are as after the last step.
  void registra(const std::string& nome);
  // "Desfazer" and "Refazer": unapplied edits of the grids are first taken
  // in as an Apply step, so undo never loses them.
  void desfazer() override;
  void refazer() override;
  QUndoStack* pilha() override { return pilha_; }
  // The document written; that state becomes the clean one.
  void savetofile(const std::string& filename) override;

  // "Duplicar" (Ctrl+D): a copy of the selected setting, captioned with
  // " (cópia)", right under it and selected. Unapplied edits are taken in
  // first.
  void duplicar();

  // ---- owned objects -------------------------------------------------------------
  std::unique_ptr<tPRJCOORD> proj;
  tCHARTX chart;
  tAJUSTE_CURSOR cur_med;
  tAJUSTE* ajsel = nullptr;
  // The models behind the two property grids.
  tPROPGRID vlitem;
  tPROPGRID vlprop;

  // ---- controls (all on pnCONTAINER) --------------------------------------------
  QTabWidget* pcMAIN = nullptr;
  tLISTAAJUSTES* cbLISTA = nullptr;
  QToolButton* Image1 = nullptr;   // up
  QToolButton* Image2 = nullptr;   // down
  QPushButton* Button3 = nullptr;  // "-"
  QToolButton* btADD = nullptr;    // "+"
  QMenu* pmAJUSTE = nullptr;
  tVLPROP* vlITEM = nullptr;
  tVLPROP* vlPROP = nullptr;
  QCheckBox* cbLEGENDA = nullptr;
  QCheckBox* cbFASE = nullptr;
  QCheckBox* cbNEUTRO = nullptr;
  QCheckBox* cbSEPARAR = nullptr;
  QCheckBox* cbCURSOR = nullptr;
  QCheckBox* cbLINHA = nullptr;
  QComboBox* cbLIMITE_INF = nullptr;
  QComboBox* cbLIMITE_SUP = nullptr;
  QPlainTextEdit* mmHINT = nullptr;
  // Page "Verificação": the summary line and the table of checks.
  QLabel* lbVERIF = nullptr;
  QTableWidget* sgVERIF = nullptr;
  QPushButton* btAPLICAR = nullptr;
  QLabel* lbCURSORX = nullptr;
  QCheckBox* cbVISTA = nullptr;  // "Imprimir vista atual"
  QAction* acDUPLICAR = nullptr;
  tPBCHART* pbCHART = nullptr;

 private:
  void criaedicao();
  // Mouse and keys of the chart surface: wheel zoom, drag pan, "+", "-", "0".
  void roda_chart(double x, double y, int delta, Qt::KeyboardModifiers m);
  void arrasta_chart(double dx, double dy, bool comeca);
  void tecla_chart(int key);
  void criacontroles();
  void criamenu();
  // The document or the page "Gráfico" changed: the checks are made anew,
  // the chart, the list's swatches and the page "Verificação" shown again.
  void redesenha();
  // Only the view or the cursors changed: the chart is painted again with
  // the checks it has.
  void redesenha_vista();
  // The item grid's "..." button of row `key`.
  void botao_item(const std::string& key);
  // The row `key` of the item grid became current: its hint.
  void hint_item(const std::string& key);
  // The entry's setting.
  tAJUSTE* ajuste_da_entrada(int i) const;
  // The selected setting's rows, its reference row included.
  void mostraitem();
  // The checks of the chart with the page "Gráfico"'s current range, kept
  // until the document or the page changes (redesenha, showitens, aplicar)
  // or a user curve does: the view never changes a verdict, so zoom, pan
  // and the cursors repaint without checking again.
  const tRESULTADOVERIF& verificacoes() const;
  // The name of an Apply step: "Aplicar: " and the selected setting's name.
  std::string nome_aplicar() const;
  // The settings were replaced from outside: the steps are dropped and the
  // document counts as never saved.
  void desfazer_outro_documento();
  // Rebuilds the entries and selects entry i.
  void mostra_selecao(int i);

  mutable std::optional<tRESULTADOVERIF> verif_;
  mutable std::uint64_t verif_curvas_ = 0;  // usercurves_digest() they were made with
  bool temvista_ = false;                   // the view differs from the limits
  tRECTX vista_;
  tRECTX vista_pan_;    // the view when the drag began
  tPOINTX c1_antes_;    // cursor A before the press that became a drag
  QString hint_antes_;  // and the hint area's text
  QUndoStack* pilha_ = nullptr;
  tESTADO atual_;             // the state after the last step
  bool restaurando_ = false;  // restaura at work: no steps are recorded
};

// novocoord: the relay counter reset, so the new chart's relays are
// "Concessionária" and "Cliente", then a window with a new chart, captioned
// "novo coordenograma", not changed.
std::unique_ptr<TfmCOORD> novocoord();

// Registers the chart as a document kind of the main window: "Coordenograma"
// (F3), ".coord" files, saving and the exports then reach TfmCOORD.
void registra_coord(TfmMAIN& fm);

}  // namespace tarvinel
