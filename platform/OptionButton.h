#pragma once

#include <QString>

#include "Option.h"

class QButtonGroup;
class QRadioButton;
class QWidget;

namespace platform {

class OptionGroup;

// An option button on a window: an Option shown as a radio button. Changes
// made through the option are shown at once; a selection by the user is taken
// back into it, which runs its click handler.
class OptionButton : public Option {
 public:
  OptionButton(QWidget* parent, OptionGroup& group, const QString& caption);

  QRadioButton* widget() const { return button_; }

 protected:
  void Changed() override;

 private:
  QRadioButton* button_;
  OptionGroup& group_;
  // Set while a change of the option is shown, so the button's signals about
  // it are not taken back as the user's.
  bool showing_ = false;
};

// The group that makes its option buttons mutually exclusive, on the window
// as well as in their options.
class OptionGroup : public OptionSet {
 public:
  explicit OptionGroup(QWidget* parent);
  ~OptionGroup() override;

 private:
  friend class OptionButton;
  QButtonGroup* group_;
  bool owned_;
};

}  // namespace platform
