#include "platform/OptionButton.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>

namespace platform {

namespace {

// Tab enters the group at its checked button, as option groups do on every
// desktop; with none checked (or that one disabled) at any enabled button.
void FixTabStops(QButtonGroup* group) {
  QAbstractButton* checked = group->checkedButton();
  if (checked != nullptr && !checked->isEnabled()) checked = nullptr;
  for (QAbstractButton* button : group->buttons()) {
    const bool stop = checked == nullptr || button == checked;
    button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

// The next enabled, shown button of the group after (or before) current, from
// the other end when there is none.
QAbstractButton* Neighbour(QButtonGroup* group, QAbstractButton* current, bool forward) {
  const QList<QAbstractButton*> buttons = group->buttons();
  const qsizetype count = buttons.size();
  const qsizetype at = buttons.indexOf(current);
  for (qsizetype step = 1; step < count; ++step) {
    QAbstractButton* b = buttons[((forward ? at + step : at - step) % count + count) % count];
    if (b->isEnabled() && !b->isHidden()) return b;
  }
  return nullptr;
}

// Qt would make whichever button last had the focus the group's tab stop, and
// move with the arrows only by where buttons stand on the screen.
class GroupButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);
    if (group() != nullptr) FixTabStops(group());
  }

  void changeEvent(QEvent* event) override {
    QRadioButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && group() != nullptr) FixTabStops(group());
  }

  // Up and Left select the button before, Down and Right the one after.
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Up || key == Qt::Key_Left || key == Qt::Key_Down || key == Qt::Key_Right;
    if (!arrow || group() == nullptr || event->modifiers() != Qt::NoModifier) {
      QRadioButton::keyPressEvent(event);
      return;
    }
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    if (QAbstractButton* next = Neighbour(group(), this, forward)) {
      next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      next->click();
    }
    event->accept();
  }
};

}  // namespace

OptionGroup::OptionGroup(QWidget* parent)
    : group_(new QButtonGroup(parent)), owned_(parent == nullptr) {
  group_->setExclusive(true);
}

OptionGroup::~OptionGroup() {
  if (owned_) delete group_;
}

OptionButton::OptionButton(QWidget* parent, OptionGroup& group, const QString& caption)
    : button_(new GroupButton(caption, parent)), group_(group) {
  group_.group_->addButton(button_);
  FixTabStops(group_.group_);
  QObject::connect(button_, &QRadioButton::toggled, button_,
                   [this](bool) { FixTabStops(group_.group_); });
}

bool OptionButton::Value() const {
  return button_->isChecked();
}

void OptionButton::SetValue(bool selected) {
  if (selected || !button_->isChecked()) {
    button_->setChecked(selected);
    return;
  }
  // An exclusive group refuses to clear its checked button; lift it briefly.
  group_.group_->setExclusive(false);
  button_->setChecked(false);
  group_.group_->setExclusive(true);
}

bool OptionButton::Enabled() const {
  return button_->isEnabled();
}

void OptionButton::SetEnabled(bool enabled) {
  button_->setEnabled(enabled);
}

QString OptionButton::Caption() const {
  return button_->text();
}

void OptionButton::OnClick(std::function<void()> handler) {
  // The group has unchecked the button selected before when this one's
  // toggled arrives.
  QObject::connect(button_, &QRadioButton::toggled, button_,
                   [handler = std::move(handler)](bool on) {
                     if (on) handler();
                   });
}

}  // namespace platform
