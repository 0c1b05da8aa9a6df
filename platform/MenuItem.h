#pragma once

#include <QString>

class QAction;

namespace platform {

// A menu item: its caption carries the access key after an ampersand.
class MenuItem {
 public:
  explicit MenuItem(QAction* action) : action_(action) {}

  bool Enabled() const;
  void SetEnabled(bool enabled);
  QString Caption() const;

  QAction* action() const { return action_; }

 private:
  QAction* action_;
};

}  // namespace platform
