#include "chartwindow/ChartAccessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QWidget>

#include "chartwindow/ChartControl.h"

namespace chartwindow {

namespace {

class ChartControlInterface : public QAccessibleWidget {
 public:
  explicit ChartControlInterface(QWidget* view) : QAccessibleWidget(view, QAccessible::Chart) {}

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    for (const QAction* action : widget()->actions()) {
      if (action->isEnabled()) names << action->text();
    }
    return names;
  }

  void doAction(const QString& name) override {
    if (QAction* action = Named(name)) {
      action->trigger();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

  QStringList keyBindingsForAction(const QString& name) const override {
    if (const QAction* action = Named(name)) {
      return {action->shortcut().toString(QKeySequence::NativeText)};
    }
    return QAccessibleWidget::keyBindingsForAction(name);
  }

 private:
  QAction* Named(const QString& name) const {
    for (QAction* action : widget()->actions()) {
      if (action->isEnabled() && action->text() == name) return action;
    }
    return nullptr;
  }
};

}  // namespace

QAccessibleInterface* ChartControlAccessible(const QString& /*className*/, QObject* object) {
  auto* control = dynamic_cast<ChartControl*>(object);
  return control != nullptr ? new ChartControlInterface(control) : nullptr;
}

}  // namespace chartwindow
