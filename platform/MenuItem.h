#pragma once

#include <QAction>
#include <QString>

namespace platform {

// A menu item on a window, by the names its routines use; the action holds
// its state.
class MenuItem {
 public:
  explicit MenuItem(QAction* action) : action_(action) {}

  bool Enabled() const { return action_->isEnabled(); }
  void SetEnabled(bool enabled) { action_->setEnabled(enabled); }
  // With the access key after an ampersand: "&Print Chart".
  QString Caption() const { return action_->text(); }

  QAction* action() const { return action_; }

 private:
  QAction* action_;
};

}  // namespace platform
