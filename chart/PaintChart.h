#pragma once

#include <QPainter>

#include "chart/ChartLayout.h"

namespace chart {

// Draws the laid-out chart, antialiased, in the layout's units from (0, 0):
// on a window, a printer, an image, an SVG or PDF file or a page alike.
// Curves are drawn segment by segment, cut to the plot, so the cost follows
// the size of the chart and not the shape of the data.
void PaintChart(QPainter& painter, const ChartLayout& layout);

}  // namespace chart
