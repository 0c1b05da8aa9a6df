#pragma once

// The rules of the chart's axes as functions of numbers and rectangles: the
// value range drawn, how many divisions one value label spans, where the
// labels are anchored, and where the tick marks go. No widget is needed.

#include <QLineF>
#include <QRectF>
#include <cstdint>
#include <vector>

#include "ChartGrid.h"
#include "ChartTypes.h"

namespace platform {

// The value range as drawn, cut into equal divisions.
struct ValueRange {
  double low = 0;
  double high = 0;
  int64_t divisions = 1;
};

// The range a value scale asks for; an automatic scale spans the grid's
// series. An empty range is drawn half a unit high, so the axis still has a
// scale.
ValueRange DrawnValueRange(const ChartValueScale& scale, const ChartGrid& grid);

// How many divisions of a value axis one label spans: the smallest of 1, 2,
// 4, 10, 20, 40, 100, ... that leaves at least a label's height free between
// two labels on a plot of the given height. With half-unit divisions the
// labels then fall on steps of 0.5, 1, 2, 5, 10, 20, 50, ... units.
int64_t LabelEvery(int64_t divisions, double plotHeight, double labelHeight);

// The value the labels are anchored on: the division nearest 0, so that
// labels fall on round values (of two as near, the one an even number of
// divisions from the minimum).
double LabelAnchor(const ValueRange& range);

// How many of a category axis's label places, `intervals` apart from its
// first to its last, one drawn label spans: the smallest divisor of
// `intervals` that leaves at least a label's height free between the widest
// two labels on a plot of the given width. Both ends keep their labels.
int CategoryLabelEvery(int intervals, double plotWidth, double labelWidth, double labelHeight);

// What the tick marks are laid out from.
struct TickLayout {
  QRectF plot;             // the plot area
  int lastRow = 1;         // the category axis runs 0..lastRow
  int rowsPerTick = 1;     // a category tick on every n-th row
  ValueRange range;        // the value axis
  int64_t minorParts = 1;  // ticks per division (1: none between divisions)
  int64_t labelEvery = 1;  // divisions per value label
  double labelAnchor = 0;  // a labelled value (see LabelAnchor)
};

// A tick mark on every category tick and every division (and minor division)
// of the value axis; where those would be closer than 2 pixels, or more than
// 32767, only on the labelled divisions, under their labels.
std::vector<QLineF> TickMarks(const TickLayout& layout);

}  // namespace platform
