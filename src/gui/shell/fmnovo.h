#pragma once
// The welcome screen TfmNOVO: a small tool window above the others, shown at
// start and by "Novo...", with three large buttons (new calculation, new
// chart, open), the maker's site and the recent-files list.
//
// The buttons run the main window's own actions, so they do exactly what the
// menu and the tool bar do (those actions close this screen before they act).
// The recent-files list belongs to the main window; this screen only shows it
// and follows its changes.

#include <QWidget>
#include <functional>
#include <string>

class QAction;
class QLabel;
class QListWidget;
class QToolButton;

namespace tarvinel {

class tRECENTES;

class TfmNOVO : public QWidget {
  Q_OBJECT

 public:
  // The main window's actions "Ajuste/Calculo de rele", "Coordenograma" and
  // "Abrir".
  struct tACOES {
    QAction* novocalc = nullptr;
    QAction* novocoord = nullptr;
    QAction* abrir = nullptr;
  };
  // Opens a file as the main window's loadfile (false, name) does; throws
  // what reading throws.
  using tABRIR = std::function<void(const std::string&)>;

  TfmNOVO(tRECENTES& recentes, tACOES acoes, tABRIR abrir, QWidget* parent = nullptr);
  ~TfmNOVO() override;

  QToolButton* Button1() const { return bt_[0]; }
  QToolButton* Button2() const { return bt_[1]; }
  QToolButton* Button3() const { return bt_[2]; }
  QLabel* lbSITE() const { return lbSITE_; }
  QListWidget* lis_rec() const { return lis_rec_; }

  // Double-click on the list: opens the selected entry and closes the screen;
  // an entry whose file is gone gets "Arquivo não encontrado." and stays.
  // Nothing selected: nothing happens.
  void abre_recente();
  // The maker's site in the platform's browser.
  void abre_site();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void mostra_lista();

  tRECENTES& recentes_;
  tABRIR abrir_;
  QToolButton* bt_[3] = {};
  QLabel* lbSITE_ = nullptr;
  QListWidget* lis_rec_ = nullptr;
};

}  // namespace tarvinel
