#pragma once

// Chart contents the chart tests draw: the window's chart of a strain or a
// pressure file, with a title of any length, and with a reference run.

#include "chart/ChartContent.h"

namespace charttest {

enum class Kind { Strain, Pressure };

// Seven curves of 101 rows, each a straight line of its own level, ranges
// as the chart window gives them for such a file.
chart::ChartContent Sample(Kind kind, const QString& fileName);

// The same with another run beneath, named by its file.
chart::ChartContent WithReference(chart::ChartContent content, const QString& referenceName);

}  // namespace charttest
