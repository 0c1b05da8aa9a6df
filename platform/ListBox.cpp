#include "platform/ListBox.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace platform {

namespace {

// Space, with or without Shift or Ctrl, marks the current line and nothing
// else. Qt's list would also take the blank as the start of a type-ahead
// search and, since value lines begin with blanks, move on to the next line
// and mark that one too.
class LineWidget : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() != Qt::Key_Space) {
      QListWidget::keyPressEvent(event);
      return;
    }
    if (QListWidgetItem* item = currentItem()) {
      if (selectionMode() == QAbstractItemView::MultiSelection) {
        item->setSelected(!item->isSelected());
      } else {
        // One mark at most: marking this line takes it from the one before.
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
      }
    }
    event->accept();
  }

  // A press toggles the mark of one line; moving on with the button held
  // would toggle every line passed.
  void mouseMoveEvent(QMouseEvent* event) override {
    if (selectionMode() == QAbstractItemView::MultiSelection && event->buttons() != Qt::NoButton) {
      event->accept();
      return;
    }
    QListWidget::mouseMoveEvent(event);
  }
};

}  // namespace

ListBox::ListBox(QWidget* parent, Style style)
    : LineList(style), list_(new LineWidget(parent)), owned_(parent == nullptr) {
  list_->setSelectionMode(style == Style::Single ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::MultiSelection);
  // A line too wide for the list is scrolled to, never shortened with an
  // ellipsis: a cut value line would show a different number.
  list_->setTextElideMode(Qt::ElideNone);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  QObject::connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, list_,
                   [this](const QItemSelection& marked, const QItemSelection& unmarked) {
                     if (showing_) return;
                     for (const QModelIndex& i : unmarked.indexes()) TakeMark(i.row(), false);
                     for (const QModelIndex& i : marked.indexes()) TakeMark(i.row(), true);
                   });
  QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this](int row) {
    if (!showing_) TakeCurrent(row);
  });
}

ListBox::~ListBox() {
  if (owned_) delete list_;
}

void ListBox::Changed(Change change, int index) {
  // A hidden list's lines, marks and current line wait until it is shown: a
  // read fills seven hidden lists, and only the one shown needs its widget.
  const bool content = change == Change::Added || change == Change::Removed ||
                       change == Change::Cleared || change == Change::Mark ||
                       change == Change::Current;
  if (content && !Visible()) {
    stale_ = true;
    return;
  }
  if (stale_ && Visible()) ShowAll();
  showing_ = true;
  switch (change) {
    case Change::Added:
      list_->addItem(List(index));
      break;
    case Change::Removed:
      delete list_->takeItem(index);
      break;
    case Change::Cleared:
      list_->clear();
      break;
    case Change::Mark:
      if (QListWidgetItem* item = list_->item(index)) item->setSelected(Selected(index));
      break;
    case Change::Current:
      // Moving the current line must not change any selection mark.
      list_->setCurrentRow(index, QItemSelectionModel::NoUpdate);
      if (QListWidgetItem* item = list_->item(index)) list_->scrollToItem(item);
      break;
    case Change::Visible:
      list_->setVisible(Visible());
      break;
    case Change::Enabled:
      list_->setEnabled(Enabled());
      break;
    case Change::Focus:
      list_->setFocus(Qt::OtherFocusReason);
      break;
  }
  // Qt may have moved the current line itself: when the current line went,
  // or when the list took the focus without one.
  if (!stale_) TakeCurrent(list_->currentRow());
  showing_ = false;
}

void ListBox::ShowAll() {
  showing_ = true;
  list_->clear();
  QStringList lines;
  lines.reserve(ListCount());
  for (int i = 0; i < ListCount(); ++i) lines.append(List(i));
  list_->addItems(lines);
  QItemSelection marked;
  for (int i = 0; i < ListCount(); ++i) {
    if (Selected(i)) marked.select(list_->model()->index(i, 0), list_->model()->index(i, 0));
  }
  list_->selectionModel()->select(marked, QItemSelectionModel::Select);
  list_->setCurrentRow(ListIndex(), QItemSelectionModel::NoUpdate);
  if (QListWidgetItem* item = list_->item(ListIndex())) list_->scrollToItem(item);
  stale_ = false;
  showing_ = false;
}

}  // namespace platform
