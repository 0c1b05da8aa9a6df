#pragma once

#include <QLineF>
#include <QRectF>
#include <optional>

namespace chart {

// The part of a segment that lies within the rectangle, edges included;
// none when it misses it. Curves are cut to the plot this way before they
// are drawn, so a curve far beyond the range costs no more than one within.
std::optional<QLineF> ClippedSegment(const QLineF& segment, const QRectF& rect);

}  // namespace chart
