#pragma once

#include <QRectF>
#include <QString>

namespace chart {

// A text on the chart and the box it fills; a vertical one reads from the
// bottom up and its box is where it lies on the chart.
struct ChartText {
  QString text;
  QRectF box;
  bool bold = false;
  bool vertical = false;
};

}  // namespace chart
