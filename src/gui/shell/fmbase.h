#pragma once
// Base of every document window: the coordination chart, the calculation and
// the relay test sheet. A document window is never shown itself; all its
// controls live on one content panel, pnCONTAINER, which the main window
// places in its document area while the window is the active one and which
// otherwise rests in the window's own hidden holder.
//
// Ownership: the window owns its panel (deleted with the window wherever it
// sits) and its document object. Windows are created by the main window's
// document kinds and destroyed only through TfmMAIN::closeform.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

class QPrinter;
class QUndoStack;

namespace tarvinel {

class tPROJBASE;

// Outcome of a close request: free the window, or keep it open.
enum class tFECHAR { libera, nenhum };

class tFMBASE : public QObject {
  Q_OBJECT

 public:
  explicit tFMBASE(QObject* parent = nullptr);
  ~tFMBASE() override;

  // Default extension without the dot ("coord", "ajuste", "ens"), proposed
  // when the document is written under a new name; also names the kind.
  std::string extdef;
  // The file the document was read from or last written to; empty for a new
  // document and for one created based on a file.
  std::string curfilename;
  // The document has changes not yet written.
  bool changed = false;

  // The document's name as the tab strip shows it (after the last folder).
  const std::string& caption() const { return caption_; }
  void setcaption(const std::string& c);

  // The content panel, holding every control of the window.
  QWidget* container() const { return pnCONTAINER; }

  // Prints the document on a printer already chosen in the print dialog,
  // while `printing` is set. The base prints nothing.
  virtual void printexec(QPrinter& printer);
  // curfilename and the caption become the file name, the document object
  // reads the file, showprop fills the window. Throws tERROARQ when the file
  // cannot be read; the window then keeps its previous name.
  virtual void loadfromfile(const std::string& filename);
  // getprop then showprop; with an empty name, sel_file asks for one in save
  // mode (cancelled: nothing written, nothing changed); then the document
  // object writes the file, curfilename and the caption become its name and
  // changed becomes false. Throws tERROARQ when the file cannot be written,
  // leaving curfilename and changed as they were.
  virtual void savetofile(const std::string& filename);
  // Takes the value still open in a cell editor of any grid or table of the
  // window into its model, as Enter would, and closes the editor. Every
  // command that reads the document (save, print, export, close) calls it
  // first, so a typed value is never thrown away.
  void confirmaedicao();
  // An edit of the document not yet written: sets `changed` (the close
  // question then appears) and lets the tab strip show it.
  void marcaalterado();

  // The document's undo steps ("Editar"); none for a kind without them.
  virtual QUndoStack* pilha() { return nullptr; }
  // "Desfazer" and "Refazer" on this document.
  virtual void desfazer() {}
  virtual void refazer() {}

  // The window's document object; none for a window without one.
  virtual tPROJBASE* projbase() { return nullptr; }
  // Document object -> controls.
  virtual void showprop() {}
  // Controls -> document object.
  virtual void getprop() {}
  // Gives the content panel a new parent: the main window's document area, or
  // nullptr for the window's own hidden holder.
  virtual void set_parent(QWidget* container);

  // Exports of the coordination window (image and settings text, to a file
  // or to the clipboard); other kinds have none and ignore them.
  virtual void savejpg(bool arquivo) { (void)arquivo; }
  virtual void savesvg() {}
  virtual void saveprop(bool arquivo) { (void)arquivo; }

  // "Exportar PDF...": asks for a PDF file name (proposed: nome_proposto of
  // `padrao`) and prints into it with printexec, as on a printer of A4
  // portrait pages with 10 mm margins at `dpi`, without the print dialog.
  // The file is written whole or not at all. Cancelled: nothing written.
  void exportapdf(const std::string& padrao, int dpi);

  // The close question. Unchanged: may close. Changed: "Salvar arquivo:
  // "<name>"?" with Yes/No/Cancel; No closes and drops the changes, Yes saves
  // (a cancelled name dialog counts as Cancel), Cancel sets `action` to
  // tFECHAR::nenhum and keeps the window open. A failed write throws and the
  // window stays open.
  bool canclose(tFECHAR& action);

 signals:
  // Caption or state changed: the main window repaints its tab strip.
  void captionchanged();

 protected:
  QPointer<QWidget> pnCONTAINER;

 private:
  std::string caption_;
  std::unique_ptr<QWidget> holder_;  // the window's own hidden holder
};

}  // namespace tarvinel
