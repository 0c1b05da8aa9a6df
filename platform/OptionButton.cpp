#include "OptionButton.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace platform {

OptionGroup::OptionGroup(QWidget* parent)
    : group_(new QButtonGroup(parent)), owned_(parent == nullptr) {
  group_->setExclusive(true);
}

OptionGroup::~OptionGroup() {
  if (owned_) delete group_;
}

OptionButton::OptionButton(QWidget* parent, OptionGroup& group, const QString& caption)
    : button_(new QRadioButton(caption, parent)), group_(group) {
  group_.group_->addButton(button_);
  QObject::connect(button_, &QRadioButton::toggled, button_, [this](bool on) {
    if (on && onClick_) onClick_();
  });
}

bool OptionButton::Value() const {
  return button_->isChecked();
}

void OptionButton::SetValue(bool selected) {
  if (selected) {
    button_->setChecked(true);
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

}  // namespace platform
