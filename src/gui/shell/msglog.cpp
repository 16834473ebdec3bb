#include "gui/shell/msglog.h"

#include <fmt/format.h>

#include <QAction>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTime>

namespace tarvinel {

namespace {

// Rows are drawn by hand: black or red text at the left edge, the selected
// row on silver (0xC0C0C0), the others on the list's background.
class tLOGDELEGATE : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& ix) const override {
    const QString linha = ix.data(Qt::DisplayRole).toString();
    p->save();
    const QColor fundo = (opt.state & QStyle::State_Selected) ? QColor(0xC0, 0xC0, 0xC0)
                                                              : opt.palette.color(QPalette::Base);
    p->fillRect(opt.rect, fundo);
    p->setPen(tLOG::cor(linha));
    p->setFont(opt.font);
    p->drawText(opt.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, linha);
    p->restore();
  }
};

}  // namespace

tLOG::tLOG(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("lbPRINTF"));
  QFont f(QStringLiteral("Tahoma"));
  f.setPixelSize(13);
  setFont(f);
  setItemDelegate(new tLOGDELEGATE(this));
  setUniformItemSizes(true);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* limpar = new QAction(QStringLiteral("Limpar mensagens"), this);
  connect(limpar, &QAction::triggered, this, &tLOG::limpa);
  addAction(limpar);
}

void tLOG::add(const std::string& texto) {
  ++contador_;
  const std::string hora = QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
  addItem(QString::fromStdString(fmt::format("[{}] {} - {}", contador_, hora, texto)));
  scrollToBottom();
}

void tLOG::limpa() {
  clear();
}

QColor tLOG::cor(const QString& linha) {
  return linha.contains('#') ? QColor(0xFF, 0, 0) : QColor(0, 0, 0);
}

}  // namespace tarvinel
