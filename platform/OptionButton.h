#pragma once

#include <QString>
#include <functional>

class QButtonGroup;
class QRadioButton;
class QWidget;

namespace platform {

class OptionGroup;

// An option button in a group: selecting one deselects the others. Selecting
// it, by the user or from code, runs its click handler.
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

  void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

  QRadioButton* widget() const { return button_; }

 private:
  QRadioButton* button_;
  OptionGroup& group_;
  std::function<void()> onClick_;
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
