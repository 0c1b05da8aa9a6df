#include "chart/BandStack.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace chart {

namespace {

// The colour of the bands in `covered` (a bit per band) over white.
QColor Mixed(const std::vector<Band>& bands, uint64_t covered, double opacity) {
  double red = 1;
  double green = 1;
  double blue = 1;
  for (std::size_t b = 0; b < bands.size(); ++b) {
    if ((covered >> b & 1U) == 0) continue;
    const QColor& c = bands[b].colour;
    red = red * (1 - opacity) + c.redF() * opacity;
    green = green * (1 - opacity) + c.greenF() * opacity;
    blue = blue * (1 - opacity) + c.blueF() * opacity;
  }
  return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green),
                          static_cast<float>(blue));
}

}  // namespace

std::vector<BandFill> StackedBands(const std::vector<Band>& bands, double opacity) {
  std::vector<BandFill> fills;
  // Every edge across the height: between two, each band covers the same
  // stretches of the width.
  std::vector<double> edges;
  for (const Band& band : bands) {
    for (const QRectF& r : band.rects) {
      edges.push_back(r.top());
      edges.push_back(r.bottom());
    }
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::map<uint64_t, QColor> colours;
  for (std::size_t e = 1; e < edges.size(); ++e) {
    const double y0 = edges[e - 1];
    const double y1 = edges[e];
    // Where a band starts and ends across this slab, left to right.
    std::multimap<double, std::pair<std::size_t, int>> changes;
    for (std::size_t b = 0; b < bands.size() && b < 64; ++b) {
      for (const QRectF& r : bands[b].rects) {
        if (r.top() > y0 || r.bottom() < y1) continue;
        changes.insert({r.left(), {b, 1}});
        changes.insert({r.right(), {b, -1}});
      }
    }
    std::vector<int> depth(bands.size(), 0);
    uint64_t covered = 0;
    double from = 0;
    for (auto it = changes.begin(); it != changes.end();) {
      const double x = it->first;
      if (covered != 0 && x > from) {
        auto [place, added] = colours.try_emplace(covered);
        if (added) place->second = Mixed(bands, covered, opacity);
        // Side by side in one colour: one rectangle.
        if (!fills.empty() && fills.back().colour == place->second &&
            fills.back().rect.top() == y0 && fills.back().rect.right() == from) {
          fills.back().rect.setRight(x);
        } else {
          fills.push_back({QRectF(QPointF(from, y0), QPointF(x, y1)), place->second});
        }
      }
      for (; it != changes.end() && it->first == x; ++it) {
        const auto [b, step] = it->second;
        depth[b] += step;
        covered = depth[b] > 0 ? covered | uint64_t{1} << b : covered & ~(uint64_t{1} << b);
      }
      from = x;
    }
  }
  return fills;
}

}  // namespace chart
