#include "chart/SegmentClip.h"

#include <utility>

namespace chart {

std::optional<QLineF> ClippedSegment(const QLineF& segment, const QRectF& rect) {
  // Liang-Barsky: the segment's parameter range left after each edge.
  const double dx = segment.dx();
  const double dy = segment.dy();
  double from = 0;
  double to = 1;
  const std::pair<double, double> edges[] = {{-dx, segment.x1() - rect.left()},
                                             {dx, rect.right() - segment.x1()},
                                             {-dy, segment.y1() - rect.top()},
                                             {dy, rect.bottom() - segment.y1()}};
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return std::nullopt;  // parallel to this edge and outside it
      continue;
    }
    const double t = q / p;
    if (p < 0) {
      if (t > to) return std::nullopt;
      from = std::max(from, t);
    } else {
      if (t < from) return std::nullopt;
      to = std::min(to, t);
    }
  }
  return QLineF(segment.pointAt(from), segment.pointAt(to));
}

}  // namespace chart
