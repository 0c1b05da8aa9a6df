#include "chart/AxisRules.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace chart {

namespace {

constexpr double kTickLength = 5.0;
// Beyond this many divisions, or closer than this, only the labelled ones get
// a tick mark.
constexpr int64_t kMostTickMarks = 32767;
constexpr double kClosestTickMarks = 2.0;
constexpr double kEmptyRangeHeight = 0.5;

double RoundHalfEven(double x) {
  return std::nearbyint(x);  // the default rounding mode sends ties to even
}

}  // namespace

ValueRange DrawnValueRange(double minimum, double maximum, int64_t divisions) {
  ValueRange range{minimum, maximum, std::max<int64_t>(divisions, 1)};
  if (!(range.high > range.low)) {
    range.high = range.low + kEmptyRangeHeight;
    range.divisions = 1;
  }
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
  const double division = range.Division();
  return range.low + RoundHalfEven(-range.low / division) * division;
}

std::vector<double> LabelledValues(const ValueRange& range, int64_t every) {
  std::vector<double> values;
  const double division = range.Division();
  const auto anchor =
      static_cast<int64_t>(RoundHalfEven((LabelAnchor(range) - range.low) / division));
  const int64_t step = std::max<int64_t>(every, 1);
  // Whole divisions from the minimum, so that the labels and the ticks agree.
  for (int64_t j = (anchor % step + step) % step; j <= range.divisions; j += step) {
    double value = range.low + division * static_cast<double>(j);
    if (std::abs(value) < division * 1e-9) value = 0;  // never "-0"
    values.push_back(value);
  }
  return values;
}

QString ValueText(double value) {
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return locale.toString(value, 'g', 7);
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
  const int64_t count = layout.range.divisions;
  int64_t first = 0;
  int64_t stride = 1;
  if (count > kMostTickMarks || plot.height() < kClosestTickMarks * static_cast<double>(count)) {
    // Under the labels only.
    const ValueRange& range = layout.range;
    stride = std::max<int64_t>(layout.labelEvery, 1);
    const auto anchor =
        static_cast<int64_t>(RoundHalfEven((LabelAnchor(range) - range.low) / range.Division()));
    first = (anchor % stride + stride) % stride;
  }
  for (int64_t j = first; j <= count; j += stride) {
    const double y = plot.bottom() - plot.height() * static_cast<double>(j) / count;
    marks.emplace_back(plot.left() - kTickLength, y, plot.left(), y);
  }
  return marks;
}

}  // namespace chart
