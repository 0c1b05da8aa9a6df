#include "chart/CurveBand.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

#include "chart/SegmentClip.h"

namespace chart {

namespace {

// A normal curve runs about the plot's width, a wavy one a few times that.
constexpr double kDenseLength = 4;

// The curve's place at x, between the places on either side.
double YAt(const std::vector<QPointF>& places, std::size_t& i, double x) {
  while (i + 2 < places.size() && places[i + 1].x() < x) ++i;
  const QPointF& a = places[i];
  const QPointF& b = places[i + 1];
  if (b.x() == a.x()) return a.y();
  const double t = std::clamp((x - a.x()) / (b.x() - a.x()), 0.0, 1.0);
  return a.y() + (b.y() - a.y()) * t;
}

}  // namespace

bool IsDense(const std::vector<QPointF>& places, const QRectF& plot) {
  double length = 0;
  for (std::size_t i = 1; i < places.size(); ++i) {
    if (const auto inside = ClippedSegment(QLineF(places[i - 1], places[i]), plot)) {
      length += inside->length();
    }
  }
  return length > kDenseLength * (plot.width() + plot.height());
}

std::vector<QRectF> CurveBand(const std::vector<QPointF>& places, const QRectF& plot, double step,
                              double halfWidth) {
  std::vector<QRectF> band;
  if (places.size() < 2 || step <= 0) return band;
  // Each stretch's extent, on whole units.
  struct Stretch {
    double x0, x1, top, bottom;
  };
  std::vector<Stretch> stretches;
  std::vector<double> edges;
  const double first = std::max(plot.left(), places.front().x());
  const double last = std::min(plot.right(), places.back().x());
  std::size_t i = 0;  // the segment at the stretch's left edge
  for (double x0 = first; x0 < last; x0 += step) {
    const double x1 = std::min(x0 + step, last);
    double top = YAt(places, i, x0);
    double bottom = top;
    std::size_t j = i;
    for (; j + 1 < places.size() && places[j + 1].x() < x1; ++j) {
      top = std::min(top, places[j + 1].y());
      bottom = std::max(bottom, places[j + 1].y());
    }
    const double end = YAt(places, j, x1);
    top = std::floor(std::clamp(std::min(top, end) - halfWidth, plot.top(), plot.bottom()));
    bottom = std::ceil(std::clamp(std::max(bottom, end) + halfWidth, plot.top(), plot.bottom()));
    stretches.push_back({x0, x1, top, bottom});
    edges.push_back(top);
    edges.push_back(bottom);
  }
  // Between two neighbouring edges the stretches that cover the height do not
  // change: one rectangle per run of them side by side. A band over the whole
  // plot is then a single rectangle, however the curve zigzags within it.
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  for (std::size_t e = 1; e < edges.size(); ++e) {
    const double y0 = edges[e - 1];
    const double y1 = edges[e];
    for (std::size_t s = 0; s < stretches.size();) {
      if (stretches[s].top > y0 || stretches[s].bottom < y1) {
        ++s;
        continue;
      }
      const double x0 = stretches[s].x0;
      while (s < stretches.size() && stretches[s].top <= y0 && stretches[s].bottom >= y1) ++s;
      band.emplace_back(QPointF(x0, y0), QPointF(stretches[s - 1].x1, y1));
    }
  }
  return band;
}

}  // namespace chart
