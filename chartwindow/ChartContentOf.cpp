#include "chartwindow/ChartContentOf.h"

#include <algorithm>
#include <limits>

#include "chart/ChartStyle.h"

namespace chartwindow {

namespace {

constexpr int64_t kAutoDivisions = 10;

void SetValueScale(const ChartValueScale& scale, const ChartGrid& grid,
                   chart::ChartContent& content) {
  content.minimum = scale.Minimum;
  content.maximum = scale.Maximum;
  content.divisions = scale.MajorDivision;
  if (!scale.Auto) return;
  float low = std::numeric_limits<float>::max();
  float high = std::numeric_limits<float>::lowest();
  for (int c = 2; c <= grid.Columns(); ++c) {
    for (int r = 0; r < grid.Rows(); ++r) {
      low = std::min(low, grid.Number(r, c));
      high = std::max(high, grid.Number(r, c));
    }
  }
  if (low > high) low = high = 0;
  content.minimum = low;
  content.maximum = high;
  content.divisions = kAutoDivisions;
}

}  // namespace

chart::ChartContent ChartContentOf(const ChartGrid& grid, const QStringList& seriesLabels,
                                   const std::array<Qt::PenStyle, 8>& styles, const QString& title,
                                   const std::array<ChartAxis, 2>& axes) {
  chart::ChartContent content;
  const ChartAxis& x = axes[static_cast<std::size_t>(AxisId::X)];
  const ChartAxis& y = axes[static_cast<std::size_t>(AxisId::Y)];
  content.title = title;
  content.xTitle = x.AxisTitle;
  content.yTitle = y.AxisTitle;
  for (int r = 0; r < grid.Rows(); ++r) content.rowLabels << grid.Text(r, 1);
  if (!x.CategoryScale.Auto) {
    content.rowsPerTick = std::max<int>(x.CategoryScale.DivisionsPerTick, 1);
    content.rowsPerLabel = std::max<int>(x.CategoryScale.DivisionsPerLabel, 1);
  }
  SetValueScale(y.ValueScale, grid, content);
  for (int c = 2; c <= grid.Columns(); ++c) {
    chart::ChartSeries series;
    series.name = seriesLabels.value(c - 2);
    series.colour = chart::SeriesColour(c - 2);
    series.style = styles[static_cast<std::size_t>(std::min(c - 2, 7))];
    series.width = chart::kSeriesLineWidth;
    for (int r = 0; r < grid.Rows(); ++r) series.values.push_back(grid.Number(r, c));
    content.series.push_back(std::move(series));
  }
  return content;
}

}  // namespace chartwindow
