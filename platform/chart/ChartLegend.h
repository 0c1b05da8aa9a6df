#pragma once

// The chart's legend, drawn by the control itself: Qt's own legend shortens
// names that do not fit and keeps to one row below a plot. Each entry is a
// short stretch of its series' line and its name, whole, as written.

#include <QMargins>
#include <QRectF>
#include <utility>
#include <vector>

class QChart;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLineSeries;

namespace platform {

class ChartLegend {
 public:
  explicit ChartLegend(QChart* chart);

  // One entry per series, in drawing order.
  void SetEntries(const std::vector<QLineSeries*>& series);
  // Lays the legend out for the chart's present size (see LayOutLegend) and
  // keeps the plot clear of it; whether the plot's room changed.
  bool Fit();
  // Where the legend lies in the chart; empty without entries.
  QRectF Rect() const { return rect_; }

 private:
  QChart* chart_;
  QMargins margins_;
  std::vector<std::pair<QGraphicsLineItem*, QGraphicsSimpleTextItem*>> entries_;
  QRectF rect_;
};

}  // namespace platform
