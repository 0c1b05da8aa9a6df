#pragma once

// The Qt objects that draw the chart: the chart with its two axes, one line
// series per grid column, the tick marks, the legend and the ring around the
// point read out; and where the points were last drawn.

#include <QPointF>
#include <QStringList>
#include <Qt>
#include <array>
#include <span>
#include <vector>

#include "ChartGrid.h"
#include "ChartLegend.h"

class QCategoryAxis;
class QChart;
class QGraphicsEllipseItem;
class QGraphicsPathItem;
class QLineSeries;
class QValueAxis;

namespace platform {

class ChartScene {
 public:
  // The chart is made here and belongs to the view it is given to.
  ChartScene();

  QChart* const chart;
  QCategoryAxis* const x;
  QValueAxis* const y;
  QGraphicsPathItem* const ticks;
  QGraphicsEllipseItem* const marker;
  ChartLegend legend;

  // One series per column 2.. of the grid, named and styled by column.
  void SetSeries(const ChartGrid& grid, const QStringList& labels,
                 const std::array<Qt::PenStyle, 8>& styles);
  const std::vector<QLineSeries*>& Series() const { return series_; }

  // Per series, each point's place in chart coordinates as drawn now.
  std::span<const std::vector<QPointF>> Places();
  // The plot has moved or changed size: the places are made anew when asked.
  void PlacesChanged() { places_.clear(); }

 private:
  std::vector<QLineSeries*> series_;
  std::vector<std::vector<QPointF>> places_;
};

}  // namespace platform
