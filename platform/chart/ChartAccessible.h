#pragma once

// What the chart view offers assistive tools: its name and description, and
// the commands of the view (its actions, such as Copy) as accessible actions.

class QAccessibleInterface;
class QObject;
class QString;

namespace platform {

// Installed with QAccessible::installFactory: the interface of a chart view.
QAccessibleInterface* ChartViewAccessible(const QString& className, QObject* object);

}  // namespace platform
