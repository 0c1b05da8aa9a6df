#pragma once

// Where the chart's legend goes, as a rule over sizes and rectangles: right
// of the plot while it leaves the plot room, below it when the chart is
// narrow, always with every entry whole. No widget is needed.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

namespace platform {

struct LegendLayout {
  bool below = false;            // below the plot; otherwise right of it
  QRectF rect;                   // the legend's place in the chart
  std::vector<QPointF> entries;  // each entry's top left corner, in order
};

// The legend of `count` entries of one size (the widest), in a chart of the
// given rectangle whose parts keep `margin` from its edges. It stands right
// of the plot, in one column centred on the chart's height, while it takes
// at most a third of the width and its column fits the height; otherwise
// below the plot, centred, row by row in as many columns as the width holds
// (at least one).
LegendLayout LayOutLegend(const QRectF& chart, QSizeF entry, int count, double margin);

}  // namespace platform
