#pragma once

#include "Command.h"

class QAction;

namespace platform {

// A menu item on a window: a Command shown by the menu's action.
class MenuItem : public Command {
 public:
  explicit MenuItem(QAction* action);

  QAction* action() const { return action_; }

 protected:
  void Changed() override;

 private:
  QAction* action_;
};

}  // namespace platform
