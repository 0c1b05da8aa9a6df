#include "chartwindow/HitTest.h"

#include <cstddef>
#include <cstdint>

namespace chartwindow {

ChartPartHit HitTest(const ChartPlaces& places, QPointF at) {
  const QRectF& plot = places.plot;
  // Points are drawn on the plot's edges too, and not outside it.
  const QRectF drawn = plot.adjusted(-0.5, -0.5, 0.5, 0.5);

  // The nearest drawn point wins; of points as near, the one of the series
  // drawn last (on top), and within a series the first.
  double best = kHitRadius * kHitRadius;
  ChartPartHit hit;
  for (std::size_t s = places.points.size(); s-- > 0;) {
    const std::vector<QPointF>& points = places.points[s];
    for (std::size_t i = 0; i < points.size(); ++i) {
      const QPointF d = points[i] - at;
      const double distance = d.x() * d.x() + d.y() * d.y();
      const bool nearer = hit.part == ChartPart::Point ? distance < best : distance <= best;
      if (nearer && drawn.contains(points[i])) {
        best = distance;
        hit = {ChartPart::Point, static_cast<int16_t>(s + 1), static_cast<int16_t>(i + 1)};
      }
    }
  }
  if (hit.part == ChartPart::Point) return hit;
  if (!places.legend.isEmpty() && places.legend.contains(at)) return {ChartPart::Legend};
  if (drawn.contains(at)) return {ChartPart::Plot};
  if (at.y() < plot.top()) return {ChartPart::Title};
  if (at.x() < plot.left() || at.y() > plot.bottom()) return {ChartPart::Axis};
  return {ChartPart::Chart};
}

}  // namespace chartwindow
