#pragma once
// The relay test window TfmENSAIO: on the left a page control with the general
// notes ("Geral") and the test table with its reference curve ("Ensaio"), on
// the right the chart of the evaluated table.
//
// The window's document is the sheet tFOLHAENSAIO: the views edit its grids
// and table in place, and every edit re-evaluates the table and repaints the
// chart. Edits mark the window changed, so closing an unsaved sheet asks
// before the typed measurements are lost; "Salvar" writes the ".ens" file.

#include <memory>
#include <vector>

#include "core/chart/chartx.h"
#include "core/relaytest/ensaio.h"
#include "gui/shell/fmbase.h"

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace tarvinel {

class TfmMAIN;
class tPBCHART;
class tSGTABELA;
class tVLPROP;

class TfmENSAIO : public tFMBASE {
  Q_OBJECT

 public:
  // A new sheet: the example rows and the default curve, extdef "ens",
  // caption "novo ensaio de rele", not changed.
  explicit TfmENSAIO(QObject* parent = nullptr);
  ~TfmENSAIO() override;

  tPROJBASE* projbase() override { return &folha; }
  // Sheet -> views (after reading a file).
  void showprop() override;
  // One landscape page: the chart and the table.
  void printexec(QPrinter& printer) override;
  // The chart as a 1024 x 768 JPEG file, or as a picture on the clipboard.
  void savejpg(bool arquivo) override;

  tFOLHAENSAIO folha;
  tCHARTX chart;
  // The evaluation of the last paint.
  std::vector<tENSAIO> ensaio;

  // Buttons and commands of the "Ensaio" page.
  void gerarcurva();
  void novoponto();
  void excluir();
  void subir();
  void descer();
  // The automatic Tref of the current row (when on), the evaluation into the
  // table, and a repaint of the chart.
  void atualiza();
  // The whole chart on a surface of w x h pixels, as the paint box shows it.
  void drawchart(tCANVAS& cv, int w, int h);

  QTabWidget* pcMAIN = nullptr;
  tVLPROP* vlGERAL = nullptr;
  tVLPROP* vlCURVA = nullptr;
  tSGTABELA* sgMAIN = nullptr;
  QPushButton* btNOVO = nullptr;
  QPushButton* btEXCLUIR = nullptr;
  QPushButton* btSUBIR = nullptr;
  QPushButton* btDESCER = nullptr;
  QCheckBox* ckATUALIZA = nullptr;
  QPushButton* btGERAR = nullptr;
  tPBCHART* pbCHART = nullptr;

 private:
  void editado();
  void escolhe_curva();
  void seleciona(int row);
};

// The relay test sheet as a kind of document of the main window: "novo
// ensaio" (F5) and the ".ens" files.
void registra_ensaio(TfmMAIN& fm);

}  // namespace tarvinel
