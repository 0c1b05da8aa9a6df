#include "AxisRules.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "RoundHalfEven.h"

namespace platform {

namespace {

constexpr double kTickLength = 5.0;
constexpr double kMinorTickLength = 3.0;
// Beyond this many divisions, or closer than this, only the labelled ones get
// a tick mark.
constexpr int64_t kMostTickMarks = 32767;
constexpr double kClosestTickMarks = 2.0;
constexpr double kEmptyRangeHeight = 0.5;
// An automatic scale has this many divisions.
constexpr int64_t kAutoDivisions = 10;

}  // namespace

ValueRange DrawnValueRange(const ChartValueScale& scale, const ChartGrid& grid) {
  ValueRange range{scale.Minimum, scale.Maximum, scale.MajorDivision};
  if (scale.Auto) {
    range.low = std::numeric_limits<double>::max();
    range.high = std::numeric_limits<double>::lowest();
    for (int c = 2; c <= grid.Columns(); ++c) {
      for (int r = 0; r < grid.Rows(); ++r) {
        range.low = std::min(range.low, grid.Value(r, c));
        range.high = std::max(range.high, grid.Value(r, c));
      }
    }
    if (range.low > range.high) range.low = range.high = 0;
    range.divisions = kAutoDivisions;
  }
  if (!(range.high > range.low)) {
    range.high = range.low + kEmptyRangeHeight;
    range.divisions = 1;
  }
  range.divisions = std::max<int64_t>(range.divisions, 1);
  return range;
}

int64_t LabelEvery(int64_t divisions, double plotHeight, double labelHeight) {
  for (int64_t scale = 1;; scale *= 10) {
    for (const int64_t first : {1, 2, 4}) {
      const int64_t step = first * scale;
      if (step >= divisions || plotHeight * static_cast<double>(step) >=
                                   2 * labelHeight * static_cast<double>(divisions)) {
        return step;
      }
    }
  }
}

double LabelAnchor(const ValueRange& range) {
  const double division = (range.high - range.low) / static_cast<double>(range.divisions);
  return range.low + RoundHalfEven(-range.low / division) * division;
}

int CategoryLabelEvery(int intervals, double plotWidth, double labelWidth, double labelHeight) {
  for (int every = 1; every < intervals; ++every) {
    if (intervals % every == 0 && plotWidth * every >= (labelWidth + labelHeight) * intervals) {
      return every;
    }
  }
  return std::max(intervals, 1);
}

std::vector<QLineF> TickMarks(const TickLayout& layout) {
  std::vector<QLineF> marks;
  const QRectF& plot = layout.plot;
  const int lastRow = std::max(layout.lastRow, 1);
  const int perTick = std::max(layout.rowsPerTick, 1);
  for (int r = 0; r <= lastRow; r += perTick) {
    const double x = plot.left() + plot.width() * r / lastRow;
    marks.emplace_back(x, plot.bottom(), x, plot.bottom() + kTickLength);
  }
  const int64_t parts = std::max<int64_t>(layout.minorParts, 1);
  const int64_t count = layout.range.divisions * parts;
  int64_t first = 0;
  int64_t stride = 1;
  if (count > kMostTickMarks || plot.height() < kClosestTickMarks * static_cast<double>(count)) {
    // Under the labels: the divisions a whole number of label steps from the anchor.
    const ValueRange& range = layout.range;
    const int64_t every = std::max<int64_t>(layout.labelEvery, 1);
    const double division = (range.high - range.low) / static_cast<double>(range.divisions);
    const auto anchor =
        static_cast<int64_t>(std::nearbyint((layout.labelAnchor - range.low) / division));
    first = (anchor % every + every) % every * parts;
    stride = every * parts;
  }
  for (int64_t j = first; j <= count; j += stride) {
    const double y = plot.bottom() - plot.height() * static_cast<double>(j) / count;
    marks.emplace_back(plot.left() - (j % parts == 0 ? kTickLength : kMinorTickLength), y,
                       plot.left(), y);
  }
  return marks;
}

}  // namespace platform
