#pragma once
// The program's main window TfmMAIN: menu, tool bar, the painted tab strip of
// the open documents, the document area holding the active document's panel,
// the message log and the status bar. It owns the document windows and routes
// every file, print and export command to the active one.

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gui/shell/abas.h"
#include "gui/shell/fmbase.h"
#include "gui/shell/recentes.h"
#include "gui/shell/tipodoc.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QUndoGroup;

namespace tarvinel {

class tLOG;
class tMENUHINT;
class tTABSTRIP;

class TfmMAIN : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfmMAIN(QWidget* parent = nullptr);
  ~TfmMAIN() override;

  // The one main window while it lives (document windows reach it here, for
  // example to open a new chart from a calculation); nullptr otherwise.
  static TfmMAIN* instancia();

  // ---- document kinds -------------------------------------------------------
  // Registers (or replaces) a kind; its "new" action becomes available.
  void registra(tTIPODOC tipo);
  const tTIPODOC* tipo(std::string_view ext) const;

  // ---- the list of open windows --------------------------------------------
  const std::vector<tFMBASE*>& tab_lst() const { return abas_->tab_lst(); }
  tFMBASE* xta() const { return abas_->xta(); }
  // Takes ownership of w, appends it and makes it active.
  void tab_add(tFMBASE* w);
  void tab_set(tFMBASE* w) { abas_->tab_set(w); }
  void tab_del(tFMBASE* w) { abas_->tab_del(w); }

  // ---- document commands ----------------------------------------------------
  // A new window of a registered kind, added and made active; nullptr when the
  // kind is not registered.
  tFMBASE* novo(const std::string& ext);
  tFMBASE* novocoord() { return novo("coord"); }
  tFMBASE* novocalc() { return novo("ajuste"); }
  tFMBASE* novoensaio() { return novo("ens"); }
  // Opens a file in a new window of the kind its extension names (an empty name
  // asks for one); with asref the new document is only based on the file.
  // Throws what reading throws, after closing the window made for it. While
  // the recent-files list is empty (a new user) the file chooser starts in the
  // folder of the example studies, when there is one.
  void loadfile(bool asref, std::string filename);
  // "Salvar" and "Salvar como..." on the active window.
  void salvar();
  void salvarcomo();
  // The close request of a document window: destroys it when canclose allows.
  void closeform(tFMBASE* w, tFECHAR& action);
  // "Imprimir": the print dialog, then printexec with `printing` set.
  void imprimir();
  // "Exportar PDF...": the active chart's or calculation's printed pages to a
  // PDF file, without the print dialog.
  void exportapdf();
  // The printer "Imprimir" and "Configurar Impressora" use.
  QPrinter& impressora() { return printer_; }

  // The recent-files list (lis_rec).
  tRECENTES& recentes() { return recentes_; }
  void lis_rec_add(const std::string& filename) { recentes_.add(filename); }

  // The folder of the example studies (pasta_exemplos of the program's folder
  // when the window is made; empty when there is none).
  const std::string& exemplos() const { return exemplos_; }
  void set_exemplos(std::string pasta) { exemplos_ = std::move(pasta); }

  // ---- message log ----------------------------------------------------------
  tLOG* lbPRINTF() const { return log_; }

  // ---- windows of other parts -----------------------------------------------
  // The welcome screen: shown at show time and by "Novo...", closed before
  // the new/open actions act.
  void set_fmnovo(QWidget* w);
  // "Sobre/Changelog" (the about window, modal).
  void set_sobre(std::function<void()> f);
  // Run once when the main window is first shown, before the welcome screen.
  void set_checkchangelog(std::function<void()> f);
  // "Manual" and "Procurar Atualização". ("Editor de Curvas" opens the
  // curve chooser of the dialogs service, available once the curve browser
  // has registered itself there.)
  void set_manual(std::function<void()> f);
  void set_checkupdate(std::function<void()> f);

  // Closes the welcome screen when it is open.
  void fecha_novo();

  // Named actions, for tests and for the windows that mirror them (the welcome
  // screen's buttons): "NOVOCALC", "NOVOCOORD", "NOVOENSAIO", "OPEN", "SAVE",
  // "SAVEAS", "PRINT", "EXPORTPDF", "PRINTCONFIG", "SAVEJPGFILE", "SAVESVGFILE", "SAVEJPGAREA",
  // "SAVEPROPFILE", "SAVEPROPAREA", "CHECKUPDATE", "UNDO", "REDO".
  QAction* acao(const std::string& nome) const;

  tTABSTRIP* tab_ptb() const { return strip_; }
  QWidget* pnCONTAINER() const { return area_; }
  QLabel* sbMAIN() const { return status_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void criaacoes();
  void criamenu();
  void criatoolbar();
  void estado(tFMBASE* ativo);
  void mostra_hint(const QString& texto);
  void exporta(bool imagem, bool arquivo);

  std::unique_ptr<tABAS> abas_;
  std::map<std::string, tTIPODOC, std::less<>> tipos_;
  std::map<std::string, QAction*, std::less<>> acoes_;
  tRECENTES recentes_;
  std::string exemplos_;
  // At the printer's own resolution: the pages are composed in paper pixels
  // and mapped to it, whatever it is.
  QPrinter printer_{QPrinter::HighResolution};

  QWidget* area_ = nullptr;
  tTABSTRIP* strip_ = nullptr;
  tLOG* log_ = nullptr;
  QLabel* status_ = nullptr;
  tMENUHINT* miHint_ = nullptr;
  QAction* miSOBRE_ = nullptr;
  QAction* miMANUAL_ = nullptr;
  QAction* miEDITORCURVAS_ = nullptr;
  QAction* miNOVO_ = nullptr;
  QUndoGroup* passos_ = nullptr;  // the documents' undo steps; the active one leads

  QPointer<QWidget> fmnovo_;
  std::function<void()> sobre_, checkchangelog_, manual_, checkupdate_;
  bool mostrado_ = false;
};

}  // namespace tarvinel
