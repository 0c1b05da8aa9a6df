#include "Option.h"

#include <algorithm>

namespace platform {

Option::Option(OptionSet& set, const QString& caption) : set_(set), caption_(caption) {
  set_.options_.push_back(this);
}

Option::~Option() {
  std::erase(set_.options_, this);
}

void Option::SetValue(bool selected) {
  // Selecting the selected option again is no click.
  if (selected == value_) return;
  if (selected) {
    Select(true);
    return;
  }
  value_ = false;
  Changed();
}

void Option::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void Option::TakeValue(bool selected) {
  if (selected == value_) return;
  if (selected) {
    Select(false);
  } else {
    value_ = false;
  }
}

void Option::Select(bool tellView) {
  for (Option* other : set_.options_) {
    if (other != this && other->value_) other->SetValue(false);
  }
  value_ = true;
  if (tellView) Changed();
  if (onClick_) onClick_();
}

}  // namespace platform
