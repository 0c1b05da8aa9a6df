#include "ChartAxes.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QPainterPath>
#include <QValueAxis>
#include <algorithm>

#include "ChartScene.h"
#include "ChartStyle.h"

namespace platform {

void ChartAxes::Apply(const std::array<ChartAxis, 2>& axes, const ChartGrid& grid) {
  ApplyCategoryAxis(axes[static_cast<std::size_t>(AxisId::X)], grid);
  ApplyValueAxis(axes[static_cast<std::size_t>(AxisId::Y)], grid);
}

namespace {

int RowsPerLabel(const ChartCategoryScale& scale) {
  return scale.Auto ? 1 : std::max<int>(scale.DivisionsPerLabel, 1);
}

}  // namespace

void ChartAxes::ApplyCategoryAxis(const ChartAxis& axis, const ChartGrid& grid) {
  QCategoryAxis* x = scene_.x;
  const ChartCategoryScale& scale = axis.CategoryScale;
  categoryEvery_ = 1;
  SetCategoryLabels(grid, RowsPerLabel(scale));
  x->setLabelsPosition(scale.LabelTick ? QCategoryAxis::AxisLabelsPositionOnValue
                                       : QCategoryAxis::AxisLabelsPositionCenter);
  x->setRange(0, std::max(grid.Rows() - 1, 1));
  x->setTitleText(AsDrawnText(axis.AxisTitle));
  x->setTruncateLabels(axis.labels.Auto);
}

void ChartAxes::SetCategoryLabels(const ChartGrid& grid, int rowsPerLabel) {
  QCategoryAxis* x = scene_.x;
  for (const QString& label : x->categoriesLabels()) x->remove(label);
  x->setStartValue(0);
  for (int r = 0; r < grid.Rows(); r += rowsPerLabel) x->append(AsDrawnText(grid.Text(r, 1)), r);
}

bool ChartAxes::ChooseCategoryLabels(const ChartCategoryScale& scale, const ChartGrid& grid) {
  // Row labels thinned where they would run together, the first and last kept.
  const int perLabel = RowsPerLabel(scale);
  const int lastRow = std::max(grid.Rows() - 1, 1);
  if (lastRow % perLabel != 0) return false;
  const QFontMetricsF metrics(scene_.x->labelsFont());
  double widest = 0;
  for (int r = 0; r < grid.Rows(); r += perLabel) {
    widest = std::max(widest, metrics.horizontalAdvance(grid.Text(r, 1)));
  }
  const int every = CategoryLabelEvery(lastRow / perLabel, scene_.chart->plotArea().width(), widest,
                                       LabelHeight(scene_.x->labelsFont()));
  if (every == categoryEvery_) return false;
  categoryEvery_ = every;
  SetCategoryLabels(grid, perLabel * every);
  return true;
}

void ChartAxes::ApplyValueAxis(const ChartAxis& axis, const ChartGrid& grid) {
  range_ = DrawnValueRange(axis.ValueScale, grid);
  // The label step first: a new range must never meet a step made for another.
  labelEvery_ = 0;
  ChooseValueLabels();
  QValueAxis* y = scene_.y;
  y->setRange(range_.low, range_.high);
  y->setTitleText(AsDrawnText(axis.AxisTitle));
  y->setTruncateLabels(axis.labels.Auto);
}

void ChartAxes::ChooseValueLabels() {
  // Labels and grid lines on every n-th division, as many as fit.
  const int64_t every = LabelEvery(range_.divisions, scene_.chart->plotArea().height(),
                                   LabelHeight(scene_.y->labelsFont()));
  if (every == labelEvery_) return;
  labelEvery_ = every;
  const double division = (range_.high - range_.low) / static_cast<double>(range_.divisions);
  scene_.y->setTickAnchor(LabelAnchor(range_));
  scene_.y->setTickInterval(division * static_cast<double>(every));
}

bool ChartAxes::FitToPlotArea(const std::array<ChartAxis, 2>& axes, const ChartGrid& grid) {
  ChooseValueLabels();
  const ChartCategoryScale& category = axes[static_cast<std::size_t>(AxisId::X)].CategoryScale;
  const bool relabelled = ChooseCategoryLabels(category, grid);
  TickLayout layout;
  layout.plot = scene_.chart->plotArea();
  layout.lastRow = grid.Rows() - 1;
  layout.rowsPerTick = category.Auto ? 1 : category.DivisionsPerTick;
  layout.range = range_;
  layout.minorParts =
      std::max<int64_t>(axes[static_cast<std::size_t>(AxisId::Y)].ValueScale.MinorDivision, 0) + 1;
  layout.labelEvery = labelEvery_;
  layout.labelAnchor = LabelAnchor(range_);
  QPainterPath path;
  for (const QLineF& mark : TickMarks(layout)) {
    path.moveTo(mark.p1());
    path.lineTo(mark.p2());
  }
  scene_.ticks->setPath(path);
  return relabelled;
}

}  // namespace platform
