#include "ListBox.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace platform {

namespace {

// Space, with or without Shift or Ctrl, marks the current line and nothing
// else. Qt's list would also take the blank as the start of a type-ahead
// search and, since value lines begin with blanks, move on to the next line
// and mark that one too.
class LineList : public QListWidget {
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
    : list_(new LineList(parent)), owned_(parent == nullptr) {
  list_->setSelectionMode(style == Style::Single ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::MultiSelection);
  // A line too wide for the list is scrolled to, never shortened with an
  // ellipsis: a cut value line would show a different number.
  list_->setTextElideMode(Qt::ElideNone);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

ListBox::~ListBox() {
  if (owned_) delete list_;
}

void ListBox::AddItem(const QString& line) {
  list_->addItem(line);
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= list_->count()) return;
  delete list_->takeItem(index);
}

int ListBox::ListCount() const {
  return list_->count();
}

QString ListBox::List(int index) const {
  const QListWidgetItem* item = list_->item(index);
  return item ? item->text() : QString();
}

int ListBox::ListIndex() const {
  return list_->currentRow();
}

void ListBox::SetListIndex(int index) {
  // Moving the current line must not change any selection mark.
  list_->setCurrentRow(index, QItemSelectionModel::NoUpdate);
  if (QListWidgetItem* item = list_->item(index)) list_->scrollToItem(item);
}

bool ListBox::Selected(int index) const {
  const QListWidgetItem* item = list_->item(index);
  return item && item->isSelected();
}

void ListBox::SetSelected(int index, bool selected) {
  if (QListWidgetItem* item = list_->item(index)) item->setSelected(selected);
}

bool ListBox::Visible() const {
  return !list_->isHidden();
}
void ListBox::SetVisible(bool visible) {
  list_->setVisible(visible);
}
bool ListBox::Enabled() const {
  return list_->isEnabled();
}
void ListBox::SetEnabled(bool enabled) {
  list_->setEnabled(enabled);
}
void ListBox::SetFocus() {
  list_->setFocus(Qt::OtherFocusReason);
}

}  // namespace platform
