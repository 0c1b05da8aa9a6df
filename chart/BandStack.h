#pragma once

// The bands of several dense curves, one over another, as the see-through
// colours would mix them over the chart's white: cut into rectangles each
// of one mixed colour, so that each is filled once, opaque. Over a band
// that covers the whole plot that is one rectangle, however many curves
// share it; filling each band see-through instead would blend the whole
// plot once per curve.

#include <QColor>
#include <QRectF>
#include <vector>

namespace chart {

struct Band {
  std::vector<QRectF> rects;  // apart from one another
  QColor colour;              // drawn at the given opacity
};

struct BandFill {
  QRectF rect;
  QColor colour;
};

// The bands in drawing order, the later over the earlier.
std::vector<BandFill> StackedBands(const std::vector<Band>& bands, double opacity);

}  // namespace chart
