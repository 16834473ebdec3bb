#pragma once
// TfmCALC, the document window of a relay-setting calculation. Five pages on
// the left ("Geral", "Rele cli.", "Rele con.", "Trafo", "Relatório") hold the
// project's grids; "Aplicar" reads them into the project, calculates, writes
// the report on the right and shows the project again with the computed
// values. "Criar coordenograma" turns the result into a new chart.
//
// The window owns its project and the result record of its last calculation.
// The grids are core models (tPROPGRID) shown by tVLPROP views; the window
// holds no calculation of its own. Only Apply and "Criar coordenograma" mark
// the document changed.

#include <QPointer>
#include <memory>
#include <string>

#include "core/calculation/calcexec.h"
#include "core/calculation/prjcalc.h"
#include "core/calculation/relatorio.h"
#include "core/foundation/grade.h"
#include "gui/shell/fmbase.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tarvinel {

class TfmMAIN;
class tVLPROP;

class TfmCALC : public tFMBASE {
  Q_OBJECT

 public:
  // A new project with its example data, shown and applied once, so that a
  // new window shows a complete report; the page "Geral" in front.
  explicit TfmCALC(QObject* parent = nullptr);
  ~TfmCALC() override;

  tPRJCALC proj;
  tPRJCALCVAR calc;
  // The report lines with its section counters.
  tRELATORIO rel;

  tPROJBASE* projbase() override { return &proj; }
  // Every grid from the project (the relays' grids through their showprop).
  void showprop() override;
  // Every grid into the project.
  void getprop() override;
  // The file is read whole before anything changes (a file that cannot be
  // read leaves the window as it was); then the project's transformers are
  // replaced by the file's, the grids and the transformer list rebuilt, and
  // Apply runs, so a calculation just opened counts as changed.
  void loadfromfile(const std::string& filename) override;
  // The report text on portrait pages in "Courier New" 12 points.
  void printexec(QPrinter& printer) override;

  // Transformer list: updatecap refreshes the entries' texts in place and
  // keeps the selection; otherwise the list is rebuilt, its last entry
  // selected and shown.
  void showitens(bool updatecap);
  // The selected transformer; none when the list is empty or the selection
  // is past the project's transformers.
  tTRAFO* trsel() const;
  // The selected transformer into its grid, and back. Neither does anything
  // without a selected transformer (showtrafo leaves the grid empty then).
  void showtrafo();
  void gettrafo();

  // Apply. False when it refused: without a transformer, nothing is read
  // and nothing changes; when the calculation refuses the input, the grids
  // have been read into the project but the results, the report and the
  // grids stay as they were and the reasons are shown as an error.
  bool aplicar();
  // "Criar coordenograma": Apply, then a new chart window through the main
  // window, filled from the results. Returns the new window (none when no
  // main window can make charts).
  tFMBASE* criarcoord();
  // "Salvar texto em arquivo...".
  void salvartexto();
  // "+" and "-" of the page "Trafo".
  void inserirtrafo();
  void excluirtrafo();

  // ---- controls ------------------------------------------------------------
  QTabWidget* pageMAIN = nullptr;
  tVLPROP* vlPROP = nullptr;
  tVLPROP* vlRELE = nullptr;
  QCheckBox* cbCONC = nullptr;
  tVLPROP* vlCONC = nullptr;
  QComboBox* cbLISTATRAFO = nullptr;
  QPushButton* btDELETE = nullptr;
  QPushButton* btINSERT = nullptr;
  tVLPROP* vlITEM = nullptr;
  QCheckBox* cbREL_MAIN = nullptr;
  QCheckBox* cbREL_CALC = nullptr;
  QCheckBox* cbREL_CELESC = nullptr;
  QCheckBox* cbREL_ELO = nullptr;
  QPushButton* Button1 = nullptr;
  QPlainTextEdit* mmHINT = nullptr;
  QPushButton* btAPLICAR = nullptr;
  QPushButton* btCRIARCOORD = nullptr;
  QPlainTextEdit* mmREPORT = nullptr;

  // The models behind the four grids.
  tPROPGRID gridPROP;
  tPROPGRID gridRELE;
  tPROPGRID gridCONC;
  tPROPGRID gridITEM;

 private:
  void montapaginas();
  void ligagrade(tVLPROP* v, const tPROPGRID* vl);
  void mostrahint(const tVLPROP* v);
  void relatorio_na_tela(int primeira);
  void botao_rele(tVLPROP* v, const QString& key);
  void escolhetrafo();

  // While set, grid rows made current by the window itself write no hint.
  bool semhint_ = false;
};

// novocalc: a window with a new calculation (applied once), captioned
// "novo ajuste", extension "ajuste", not changed.
std::unique_ptr<TfmCALC> novocalc();

// Registers the calculation as a document kind of the main window:
// "Ajuste/Calculo de rele" (F2), ".ajuste" files and saving then reach
// TfmCALC.
void registra_calc(TfmMAIN& fm);

}  // namespace tarvinel
