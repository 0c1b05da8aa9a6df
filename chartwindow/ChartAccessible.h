#pragma once

// What the chart control offers assistive tools: its name and description, and
// the commands of the control (its actions, such as Copy) as accessible actions.

class QAccessibleInterface;
class QObject;
class QString;

namespace chartwindow {

// Installed with QAccessible::installFactory: the interface of a chart control.
QAccessibleInterface* ChartControlAccessible(const QString& className, QObject* object);

}  // namespace chartwindow
