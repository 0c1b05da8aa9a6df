#include "MenuItem.h"

#include <QAction>

namespace platform {

MenuItem::MenuItem(QAction* action)
    : Command(action->text(), action->isEnabled()), action_(action) {}

void MenuItem::Changed() {
  action_->setEnabled(Enabled());
}

}  // namespace platform
