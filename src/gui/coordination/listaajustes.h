#pragma once
// The item list of the coordination window: a drop-down list whose entries
// the window draws itself, the text at the entry's top-left corner and a
// swatch of the setting's colour at its right end (from 22 to 2 pixels left
// of the right edge, 2 pixels in from top and bottom). The closed list shows
// the selected entry the same way.
//
// Each entry carries the setting it stands for (ROLE_AJUSTE) and the colour
// of its swatch (ROLE_COR, 0x00BBGGRR). The list refers to the settings; the
// project owns them.

#include <QComboBox>
#include <QStyledItemDelegate>

#include "core/foundation/tipos.h"

namespace tarvinel {

class tAJUSTE;

class tLISTAAJUSTES : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int ROLE_AJUSTE = Qt::UserRole;
  static constexpr int ROLE_COR = Qt::UserRole + 1;

  explicit tLISTAAJUSTES(QWidget* parent = nullptr);

  // Appends an entry for s.
  void adiciona(const QString& texto, tAJUSTE* s, tCOR cor);
  // Rewrites the text and colour of entry i in place.
  void atualiza(int i, const QString& texto, tCOR cor);
  tAJUSTE* ajuste(int i) const;
  tCOR cor(int i) const;

  // The swatch's rectangle in an entry's rectangle r.
  static QRect amostra(const QRect& r);
  // Draws an entry: background `fundo`, text at the top-left corner, swatch.
  // With `quebra` a text wider than the entry goes on over more lines, its
  // words whole, instead of being cut at the swatch.
  static void desenha(QPainter& p, const QRect& r, const QBrush& fundo, const QColor& texto,
                      const QString& s, tCOR cor, bool quebra = false);

  // The closed list is as tall as the selected entry's whole caption needs
  // at its width.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Height of the selected entry's caption, wrapped to the closed box.
  int alturatexto() const;
};

// Draws the entries of the open list.
class tLISTADELEGATE : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& ix) const override;
};

}  // namespace tarvinel
