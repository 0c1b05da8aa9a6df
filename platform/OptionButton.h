#pragma once

#include <QString>
#include <functional>

class QButtonGroup;
class QRadioButton;
class QWidget;

namespace platform {

class OptionGroup;

// An option button on a window, by the names its routines use; the radio
// button holds its state. The buttons of one group exclude each other.
// Becoming selected, by the user or from code, runs the click handler;
// selecting the selected button again is no click.
class OptionButton {
 public:
  OptionButton(QWidget* parent, OptionGroup& group, const QString& caption);
  OptionButton(const OptionButton&) = delete;
  OptionButton& operator=(const OptionButton&) = delete;

  bool Value() const;
  void SetValue(bool selected);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  QString Caption() const;

  void OnClick(std::function<void()> handler);

  QRadioButton* widget() const { return button_; }

 private:
  QRadioButton* button_;
  OptionGroup& group_;
};

// The group that makes its option buttons mutually exclusive.
class OptionGroup {
 public:
  explicit OptionGroup(QWidget* parent);
  ~OptionGroup();
  OptionGroup(const OptionGroup&) = delete;
  OptionGroup& operator=(const OptionGroup&) = delete;

 private:
  friend class OptionButton;
  QButtonGroup* group_;
  bool owned_;
};

}  // namespace platform
