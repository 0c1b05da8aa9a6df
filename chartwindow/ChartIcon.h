#pragma once

#include <QIcon>

namespace chartwindow {

// The chart window's own 32 x 32 icon: a small plot of two curves, drawn in
// a handful of plain colours.
QIcon ChartIcon();

}  // namespace chartwindow
