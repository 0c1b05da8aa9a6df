#include "ChartAccessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QWidget>

#include "ChartView.h"

namespace platform {

namespace {

class ChartViewInterface : public QAccessibleWidget {
 public:
  explicit ChartViewInterface(QWidget* view) : QAccessibleWidget(view, QAccessible::Chart) {}

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

QAccessibleInterface* ChartViewAccessible(const QString& /*className*/, QObject* object) {
  auto* view = dynamic_cast<ChartView*>(object);
  return view != nullptr ? new ChartViewInterface(view) : nullptr;
}

}  // namespace platform
