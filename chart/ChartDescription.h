#pragma once

#include <QString>

#include "chart/ChartContent.h"

namespace chart {

// The chart in words, for assistive tools and a drawing's description: the
// axes with their ranges, the series, and the reference run when there is one.
QString ChartDescription(const ChartContent& content);

}  // namespace chart
