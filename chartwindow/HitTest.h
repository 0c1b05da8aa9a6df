#pragma once

// What lies at a place on the chart, from where its parts and points were
// drawn: a function of points and rectangles, tested without a widget.

#include <QPointF>
#include <QRectF>
#include <span>
#include <vector>

#include "chartwindow/ChartTypes.h"

namespace chartwindow {

// A pointer this close to a plotted point (device-independent pixels, so it
// grows with the screen's pixel ratio) is on that point; of several that
// close, on the nearest.
inline constexpr double kHitRadius = 4.0;

// Where the chart's parts lie, in the chart's own coordinates.
struct ChartPlaces {
  // Per series in drawing order, each point's place; none for a hidden series.
  std::span<const std::vector<QPointF>> points;
  QRectF plot;
  QRectF legend;  // empty when there is no legend
};

ChartPartHit HitTest(const ChartPlaces& places, QPointF at);

}  // namespace chartwindow
