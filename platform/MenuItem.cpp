#include "MenuItem.h"

#include <QAction>

namespace platform {

bool MenuItem::Enabled() const {
  return action_->isEnabled();
}
void MenuItem::SetEnabled(bool enabled) {
  action_->setEnabled(enabled);
}
QString MenuItem::Caption() const {
  return action_->text();
}

}  // namespace platform
