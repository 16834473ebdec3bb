#include "gui/sgtabela.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <set>

namespace tarvinel {

class tSGMODEL : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  tTABELA* sg = nullptr;
  bool editavel = true;
  std::set<int> fixas;

  int rowCount(const QModelIndex& p) const override {
    return p.isValid() || sg == nullptr ? 0 : std::max(0, sg->rowcount() - 1);
  }
  int columnCount(const QModelIndex& p) const override {
    return p.isValid() || sg == nullptr ? 0 : sg->colcount();
  }
  QVariant data(const QModelIndex& ix, int role) const override {
    if (sg == nullptr || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdString(sg->cell(ix.column(), ix.row() + 1));
  }
  QVariant headerData(int s, Qt::Orientation o, int role) const override {
    if (sg == nullptr || role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) return QString::fromStdString(sg->cell(s, 0));
    return {};
  }
  Qt::ItemFlags flags(const QModelIndex& ix) const override {
    if (fixas.count(ix.column()) != 0) return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editavel) f |= Qt::ItemIsEditable;
    return f;
  }
  bool setData(const QModelIndex& ix, const QVariant& v, int role) override {
    if (sg == nullptr || role != Qt::EditRole) return false;
    const std::string novo = v.toString().toStdString();
    if (novo == sg->cell(ix.column(), ix.row() + 1)) return false;
    sg->setcell(ix.column(), ix.row() + 1, novo);
    emit dataChanged(ix, ix);
    return true;
  }
  void reset() {
    beginResetModel();
    endResetModel();
  }
};

tSGTABELA::tSGTABELA(QWidget* parent) : QTableView(parent), model_(new tSGMODEL(this)) {
  setModel(model_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setWordWrap(false);
  connect(
      model_, &QAbstractItemModel::dataChanged, this,
      [this](const QModelIndex& a, const QModelIndex&) { emit alterado(a.column(), a.row() + 1); });
}

void tSGTABELA::settabela(tTABELA* sg) {
  model_->sg = sg;
  if (sg != nullptr) {
    const QFontMetrics fm(font());
    sg->textwidth = [fm](std::string_view s) {
      return fm.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    };
  }
  recarrega();
}

tTABELA* tSGTABELA::tabela() const {
  return model_->sg;
}

void tSGTABELA::seteditavel(bool on) {
  model_->editavel = on;
  setEditTriggers(on ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
}

void tSGTABELA::setfixa(int col, bool on) {
  if (on)
    model_->fixas.insert(col);
  else
    model_->fixas.erase(col);
}

void tSGTABELA::recarrega() {
  const int atual = linha_atual();
  model_->reset();
  if (model_->sg == nullptr) return;
  for (int c = 0; c < model_->sg->colcount(); ++c)
    if (model_->sg->colwidth(c) > 0) setColumnWidth(c, model_->sg->colwidth(c));
  if (atual > 0) set_linha_atual(std::min(atual, model_->rowCount({})));
}

int tSGTABELA::linha_atual() const {
  const QModelIndex ix = currentIndex();
  return ix.isValid() ? ix.row() + 1 : 0;
}

void tSGTABELA::set_linha_atual(int row) {
  if (row < 1 || row > model_->rowCount({})) return;
  const int col = std::max(0, currentIndex().column());
  setCurrentIndex(model_->index(row - 1, col));
}

}  // namespace tarvinel
