#include "gui/vlprop.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

#include "core/foundation/numtxt.h"

namespace tarvinel {

// ---- model --------------------------------------------------------------------

class tVLMODEL : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  tPROPGRID* vl = nullptr;
  QString titulos[2] = {QStringLiteral("Propriedade"), QStringLiteral("Valor")};
  bool escrevendo = false;  // the view itself is writing into the model

  const tPROPROW* row(int r) const {
    return vl != nullptr && r >= 0 && r < vl->count() ? &vl->row(r) : nullptr;
  }

  int rowCount(const QModelIndex& p) const override {
    return p.isValid() || vl == nullptr ? 0 : vl->count();
  }
  int columnCount(const QModelIndex& p) const override { return p.isValid() ? 0 : 2; }

  QVariant data(const QModelIndex& ix, int role) const override {
    const tPROPROW* r = row(ix.row());
    if (r == nullptr) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
      if (ix.column() == 0) return QString::fromStdString(r->section() ? r->key.substr(1) : r->key);
      return QString::fromStdString(r->value);
    }
    if (role == Qt::FontRole && r->section()) {
      QFont f;
      f.setBold(true);
      return f;
    }
    if (role == Qt::BackgroundRole && r->section()) return QColor(Qt::white);
    return {};
  }

  QVariant headerData(int s, Qt::Orientation o, int role) const override {
    if (o == Qt::Horizontal && role == Qt::DisplayRole && s >= 0 && s < 2) return titulos[s];
    return {};
  }

  Qt::ItemFlags flags(const QModelIndex& ix) const override {
    const tPROPROW* r = row(ix.row());
    if (r == nullptr) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (ix.column() == 1 && !r->section() && !r->readonly) f |= Qt::ItemIsEditable;
    return f;
  }

  bool setData(const QModelIndex& ix, const QVariant& v, int role) override {
    const tPROPROW* r = row(ix.row());
    if (r == nullptr || role != Qt::EditRole || ix.column() != 1) return false;
    const std::string key = r->key;
    const std::string novo = v.toString().toStdString();
    if (novo == r->value) return false;
    escrevendo = true;
    vl->setvalue(key, novo);
    escrevendo = false;
    emit dataChanged(ix, ix);
    return true;
  }

  void reset() {
    beginResetModel();
    endResetModel();
  }
};

// ---- editors ------------------------------------------------------------------

namespace {

// Line edit with the "..." button of a row that asks for one.
class tEDITBOTAO : public QWidget {
 public:
  QLineEdit* edit;
  QToolButton* bt;

  explicit tEDITBOTAO(QWidget* parent) : QWidget(parent) {
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    edit = new QLineEdit(this);
    edit->setFrame(false);
    bt = new QToolButton(this);
    bt->setText(QStringLiteral("..."));
    bt->setFocusPolicy(Qt::NoFocus);
    lay->addWidget(edit, 1);
    lay->addWidget(bt);
    setFocusProxy(edit);
  }
};

}  // namespace

class tVLDELEGATE : public QStyledItemDelegate {
 public:
  explicit tVLDELEGATE(tVLPROP* view) : QStyledItemDelegate(view), view_(view) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& ix) const override {
    const tPROPROW* r = view_->model_->row(ix.row());
    if (r == nullptr) return nullptr;
    if (!r->picklist.empty()) {
      auto* cb = new QComboBox(parent);
      cb->setEditable(true);
      cb->setInsertPolicy(QComboBox::NoInsert);
      for (const auto& s : r->picklist) cb->addItem(QString::fromStdString(s));
      // Choosing from the list is an edit on its own, like typing and Enter.
      connect(cb, &QComboBox::activated, cb, [this, cb] {
        auto* self = const_cast<tVLDELEGATE*>(this);
        emit self->commitData(cb);
      });
      cb->installEventFilter(const_cast<tVLDELEGATE*>(this));
      avisa_digitacao(cb->lineEdit(), r->key);
      return cb;
    }
    if (r->button) {
      auto* e = new tEDITBOTAO(parent);
      const QString key = QString::fromStdString(r->key);
      connect(e->bt, &QToolButton::clicked, e, [this, e, key] {
        auto* self = const_cast<tVLDELEGATE*>(this);
        emit self->commitData(e);
        emit view_->botao(key);
      });
      e->edit->installEventFilter(const_cast<tVLDELEGATE*>(this));
      avisa_digitacao(e->edit, r->key);
      return e;
    }
    auto* ed = new QLineEdit(parent);
    ed->setFrame(false);
    avisa_digitacao(ed, r->key);
    return ed;
  }

  void avisa_digitacao(QLineEdit* ed, const std::string& key) const {
    if (ed == nullptr) return;
    const QString k = QString::fromStdString(key);
    connect(ed, &QLineEdit::textEdited, view_, [v = view_, k] { emit v->digitado(k); });
  }

  void setEditorData(QWidget* w, const QModelIndex& ix) const override {
    const QString v = ix.data(Qt::EditRole).toString();
    if (auto* cb = qobject_cast<QComboBox*>(w))
      cb->setCurrentText(v);
    else if (auto* e = dynamic_cast<tEDITBOTAO*>(w))
      e->edit->setText(v);
    else if (auto* ed = qobject_cast<QLineEdit*>(w))
      ed->setText(v);
  }

  void setModelData(QWidget* w, QAbstractItemModel* m, const QModelIndex& ix) const override {
    QString v;
    if (auto* cb = qobject_cast<QComboBox*>(w))
      v = cb->currentText();
    else if (auto* e = dynamic_cast<tEDITBOTAO*>(w))
      v = e->edit->text();
    else if (auto* ed = qobject_cast<QLineEdit*>(w))
      v = ed->text();
    else
      return;
    if (m->setData(ix, v, Qt::EditRole)) {
      const tPROPROW* r = view_->model_->row(ix.row());
      if (r != nullptr) emit view_->alterado(QString::fromStdString(r->key));
    }
  }

  void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& ix) const override {
    const tPROPROW* r = view_->model_->row(ix.row());
    if (r != nullptr && ix.column() == 1 && r->key == "Cor") {
      QStyleOptionViewItem o(opt);
      initStyleOption(&o, ix);
      const QRect sw(o.rect.left() + 2, o.rect.top() + 2, o.rect.height() - 4, o.rect.height() - 4);
      QStyleOptionViewItem t(o);
      t.rect.setLeft(sw.right() + 4);
      p->fillRect(o.rect,
                  (o.state & QStyle::State_Selected) ? o.palette.highlight() : o.palette.base());
      QStyledItemDelegate::paint(p, t, ix);
      p->save();
      p->setPen(Qt::black);
      p->setBrush(tVLPROP::cor_valor(r->value));
      p->drawRect(sw.adjusted(0, 0, -1, -1));
      p->restore();
      return;
    }
    QStyledItemDelegate::paint(p, opt, ix);
  }

  bool eventFilter(QObject* o, QEvent* e) override {
    // The line edit of a "..." row is not the view's editor; its container
    // is: Escape, Tab and focus loss act on the container, as in other rows.
    if (auto* c = dynamic_cast<tEDITBOTAO*>(o->parent())) o = c;
    if (e->type() == QEvent::KeyPress) {
      const int k = static_cast<QKeyEvent*>(e)->key();
      if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        QWidget* ed = qobject_cast<QWidget*>(o);
        if (ed == nullptr) return false;
        emit commitData(ed);
        emit closeEditor(ed, QAbstractItemDelegate::NoHint);
        QTimer::singleShot(0, view_, [v = view_] { v->proxima(); });
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(o, e);
  }

 private:
  tVLPROP* view_;
};

// ---- view -------------------------------------------------------------------

tVLPROP::tVLPROP(QWidget* parent) : QTableView(parent), model_(new tVLMODEL(this)) {
  setModel(model_);
  setItemDelegate(new tVLDELEGATE(this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
  setWordWrap(false);
}

tVLPROP::~tVLPROP() {
  if (model_->vl != nullptr) model_->vl->onchange = nullptr;
}

void tVLPROP::setgrid(tPROPGRID* vl) {
  if (model_->vl != nullptr) model_->vl->onchange = nullptr;
  model_->vl = vl;
  if (vl != nullptr) {
    vl->onchange = [this] {
      if (!model_->escrevendo) recarrega();
    };
  }
  recarrega();
}

tPROPGRID* tVLPROP::grid() const {
  return model_->vl;
}

void tVLPROP::settitulos(const QString& chave, const QString& valor) {
  model_->titulos[0] = chave;
  model_->titulos[1] = valor;
  model_->headerDataChanged(Qt::Horizontal, 0, 1);
}

void tVLPROP::recarrega() {
  const std::string atual = chave_atual();
  // An editor open on the old rows is dropped, not committed: its text would
  // overwrite the value the code has just put into the model.
  QAbstractItemDelegate* d = itemDelegate();
  const bool antes = d->blockSignals(true);
  model_->reset();
  d->blockSignals(antes);
  aplica_spans();
  resizeColumnToContents(0);
  if (!atual.empty() && model_->vl != nullptr && model_->vl->indexof(atual) >= 0) {
    // Back to the row that was current, without opening its editor.
    const QModelIndex ix = model_->index(model_->vl->indexof(atual), 1);
    selectionModel()->setCurrentIndex(
        ix, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

void tVLPROP::aplica_spans() {
  clearSpans();
  if (model_->vl == nullptr) return;
  for (int r = 0; r < model_->vl->count(); ++r)
    if (model_->vl->row(r).section()) setSpan(r, 0, 1, 2);
}

std::string tVLPROP::chave_atual() const {
  const tPROPROW* r = model_->row(currentIndex().row());
  return r == nullptr ? std::string() : r->key;
}

void tVLPROP::seleciona(const std::string& key) {
  if (model_->vl == nullptr) return;
  const int i = model_->vl->indexof(key);
  if (i >= 0) setCurrentIndex(model_->index(i, 1));
}

void tVLPROP::proxima() {
  const int r = currentIndex().row();
  if (r + 1 < model_->rowCount({})) setCurrentIndex(model_->index(r + 1, 1));
}

void tVLPROP::keyPressEvent(QKeyEvent* e) {
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && state() != EditingState) {
    proxima();
    return;
  }
  QTableView::keyPressEvent(e);
}

QColor tVLPROP::cor_valor(const std::string& valor) {
  const int c = txt2int(valor, 0, 0, 0);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace tarvinel
