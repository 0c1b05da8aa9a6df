#pragma once

// The rules of the chart's axes as functions of numbers and rectangles: the
// value range drawn, how many divisions one value label spans, where the
// labels are anchored, and where the tick marks go.

#include <QLineF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

namespace chart {

// The value range as drawn, cut into equal divisions.
struct ValueRange {
  double low = 0;
  double high = 0;
  int64_t divisions = 1;

  double Division() const { return (high - low) / static_cast<double>(divisions); }
};

// The range asked for; an empty one is drawn half a unit high, so the axis
// still has a scale.
ValueRange DrawnValueRange(double minimum, double maximum, int64_t divisions);

// How many divisions of a value axis one label spans: the smallest of 1, 2,
// 4, 10, 20, 40, 100, ... that leaves at least a label's height free between
// two labels on a plot of the given height. With half-unit divisions the
// labels then fall on steps of 0.5, 1, 2, 5, 10, 20, 50, ... units.
int64_t LabelEvery(int64_t divisions, double plotHeight, double labelHeight);

// The value the labels are anchored on: the division nearest 0, so that
// labels fall on round values (of two as near, the one an even number of
// divisions from the minimum).
double LabelAnchor(const ValueRange& range);

// The labelled values, lowest first: every `every` divisions from the anchor,
// within the range.
std::vector<double> LabelledValues(const ValueRange& range, int64_t every);

// A value as a label writes it: at most 7 significant digits, no grouping,
// the user's decimal separator.
QString ValueText(double value);

// What the tick marks are laid out from.
struct TickLayout {
  QRectF plot;             // the plot area
  int lastRow = 1;         // the category axis runs 0..lastRow
  int rowsPerTick = 1;     // a category tick on every n-th row
  ValueRange range;        // the value axis
  int64_t labelEvery = 1;  // divisions per value label
};

// A tick mark outside the plot, from its edge, on every category tick and
// every division of the value axis; where those would be closer than 2
// pixels, or more than 32767, only on the labelled divisions.
std::vector<QLineF> TickMarks(const TickLayout& layout);

}  // namespace chart
