#pragma once
// The painted tab strip tab_ptb: one 150-pixel tab per open document in
// tab_lst order, with the document's icon, the file-name part of its caption
// and a close box. A tab whose name does not fit in 150 pixels is made wider
// (and the tabs after it move right): the folder of a path is never shown
// and the name is never cut. A press in a close box asks that document to close; a press
// elsewhere in a tab activates it; a press between tabs does nothing.

#include <QIcon>
#include <QRect>
#include <QWidget>
#include <functional>

namespace tarvinel {

class tABAS;
class tFMBASE;

class tTABSTRIP : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kALTURA = 25;
  static constexpr int kFECHAR = 15;  // width of the close box

  // The icon shown for a window (by its kind).
  using tICONEDOC = std::function<QIcon(const tFMBASE&)>;

  tTABSTRIP(const tABAS& abas, tICONEDOC icone, QWidget* parent = nullptr);

  // Tab i: left 150·i + 2, right 150·i + 150 (exclusive), top 2, bottom
  // height − 2 (exclusive).
  static QRect tab_rect(int i, int altura);
  // Its close box: the rightmost 15 pixels.
  static QRect close_rect(int i, int altura);
  // The file-name part of a caption: the text after the last "/" or "\".
  static QString nome_aba(const std::string& caption);

  // The tabs as painted: tab_rect widened, where the name needs it, to hold
  // the icon, the whole name and the close box.
  QRect aba(int i) const;
  QRect fechar(int i) const;

  QSize sizeHint() const override;

 signals:
  void fecha(tarvinel::tFMBASE* w);
  void ativa(tarvinel::tFMBASE* w);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  const tABAS& abas_;
  tICONEDOC icone_;
};

}  // namespace tarvinel
