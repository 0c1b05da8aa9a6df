#pragma once

// A curve too dense to draw line by line, drawn as the band it sweeps: a
// file whose readings jump from one end of the range to the other at every
// height would otherwise cost its lines' length in ink, a hundred times a
// normal curve's, at every paint. Pure functions of points and rectangles.

#include <QPointF>
#include <QRectF>
#include <vector>

namespace chart {

// Whether the curve through these places, left to right, runs longer within
// the plot than a few times the plot's width and height together.
bool IsDense(const std::vector<QPointF>& places, const QRectF& plot);

// The band the curve sweeps, cut to the plot, as rectangles: over each
// stretch of `step` units from the plot's left edge, from the curve's highest
// to its lowest place there (on whole units), grown by `halfWidth` up and
// down; stretches side by side that cover the same heights merged into one.
std::vector<QRectF> CurveBand(const std::vector<QPointF>& places, const QRectF& plot, double step,
                              double halfWidth);

}  // namespace chart
