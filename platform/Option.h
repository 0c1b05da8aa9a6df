#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace platform {

class OptionSet;

// An option button without a widget: its caption, whether it is selected and
// enabled, and its click handler. Options of one set exclude each other:
// selecting one deselects the others. Selecting it, by the user or from
// code, runs its click handler. A window's OptionButton shows one.
class Option {
 public:
  Option(OptionSet& set, const QString& caption);
  virtual ~Option();
  Option(const Option&) = delete;
  Option& operator=(const Option&) = delete;

  bool Value() const { return value_; }
  void SetValue(bool selected);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  QString Caption() const { return caption_; }

  void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

 protected:
  // Told of each change of Value or Enabled, after it is made.
  virtual void Changed() {}
  // The option as a view changed it: deselected, or selected with the others
  // deselected and the click handler run; this option's view is not told.
  void TakeValue(bool selected);

 private:
  void Select(bool tellView);

  OptionSet& set_;
  QString caption_;
  bool value_ = false;
  bool enabled_ = true;
  std::function<void()> onClick_;
};

// The options that exclude each other.
class OptionSet {
 public:
  OptionSet() = default;
  virtual ~OptionSet() = default;
  OptionSet(const OptionSet&) = delete;
  OptionSet& operator=(const OptionSet&) = delete;

 private:
  friend class Option;
  std::vector<Option*> options_;
};

}  // namespace platform
