#include "ChartScene.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QGraphicsPathItem>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>

#include "ChartStyle.h"

namespace platform {

namespace {

QChart* MadeChart() {
  auto* chart = new QChart;
  chart->setBackgroundRoundness(0);
  chart->setDropShadowEnabled(false);
  // The chart's white fills the whole control.
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setTitleFont(ChartFont(true));
  chart->setTitleBrush(QBrush(Qt::black));
  // The control draws a legend of its own (ChartLegend).
  chart->legend()->hide();
  chart->setLocalizeNumbers(true);
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  chart->setLocale(locale);
  return chart;
}

template <typename Axis>
Axis* MadeAxis(QChart* chart, Qt::Alignment alignment) {
  auto* axis = new Axis;
  axis->setLabelsFont(ChartFont(false));
  axis->setTitleFont(ChartFont(true));
  // Dark axes and labels, so that the ticks and numbers read at a glance.
  axis->setLinePen(QPen(kAxisColour, 1));
  axis->setLabelsBrush(QBrush(Qt::black));
  axis->setTitleBrush(QBrush(Qt::black));
  chart->addAxis(axis, alignment);
  return axis;
}

QValueAxis* MadeValueAxis(QChart* chart) {
  auto* axis = MadeAxis<QValueAxis>(chart, Qt::AlignLeft);
  axis->setTickInterval(1);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setLabelFormat(QStringLiteral("%.7g"));
  return axis;
}

QGraphicsPathItem* MadeTicks(QChart* chart) {
  auto* ticks = new QGraphicsPathItem(chart);
  ticks->setPen(QPen(kAxisColour, 1));
  return ticks;
}

QGraphicsEllipseItem* MadeMarker(QChart* chart) {
  auto* marker = new QGraphicsEllipseItem(chart);
  marker->setZValue(1000);
  marker->hide();
  return marker;
}

}  // namespace

ChartScene::ChartScene()
    : chart(MadeChart()),
      x(MadeAxis<QCategoryAxis>(chart, Qt::AlignBottom)),
      y(MadeValueAxis(chart)),
      ticks(MadeTicks(chart)),
      marker(MadeMarker(chart)),
      legend(chart) {}

void ChartScene::SetSeries(const ChartGrid& grid, const QStringList& labels,
                           const std::array<Qt::PenStyle, 8>& styles) {
  const auto count = static_cast<std::size_t>(std::max(grid.Columns() - 1, 0));
  while (series_.size() > count) {
    chart->removeSeries(series_.back());
    delete series_.back();
    series_.pop_back();
  }
  while (series_.size() < count) {
    auto* series = new QLineSeries;
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    series_.push_back(series);
  }
  for (std::size_t i = 0; i < count; ++i) {
    const int column = static_cast<int>(i) + 2;
    QList<QPointF> points;
    points.reserve(grid.Rows());
    for (int r = 0; r < grid.Rows(); ++r) points.append(QPointF(r, grid.Number(r, column)));
    QLineSeries* series = series_[i];
    series->replace(points);
    series->setName(
        AsDrawnText(i < static_cast<std::size_t>(labels.size()) ? labels[i] : QString()));
    const std::size_t look = std::min(i, kSeriesPalette.size() - 1);
    series->setPen(QPen(kSeriesPalette[look], kSeriesLineWidth, styles[look]));
  }
  legend.SetEntries(series_);
  places_.clear();
}

std::span<const std::vector<QPointF>> ChartScene::Places() {
  if (places_.empty()) {
    for (QLineSeries* series : series_) {
      std::vector<QPointF>& places = places_.emplace_back();
      if (!series->isVisible()) continue;
      for (const QPointF& point : series->points()) {
        places.push_back(chart->mapToPosition(point, series));
      }
    }
  }
  return places_;
}

}  // namespace platform
