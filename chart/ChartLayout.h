#pragma once

// Where everything on the chart goes for a size and the fonts' metrics: the
// plot, every label, tick, grid line and legend entry, the title, and the
// place of a (row, value) pair. A pure function of its inputs; PaintChart
// draws the result on any device.

#include <QFontMetricsF>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

#include "chart/AxisRules.h"
#include "chart/ChartContent.h"
#include "chart/ChartText.h"
#include "chart/LegendLayout.h"

namespace chart {

// The metrics of the chart's two fonts: plain for labels and names, bold for
// the titles.
struct ChartMetrics {
  ChartMetrics();
  ChartMetrics(const QFontMetricsF& textMetrics, const QFontMetricsF& boldMetrics)
      : text(textMetrics), bold(boldMetrics) {}
  QFontMetricsF text;
  QFontMetricsF bold;
};

struct ChartLayout {
  ChartContent content;
  QSizeF size;
  QRectF plot;
  ValueRange range;
  int64_t labelEvery = 1;  // divisions per value label

  ChartText title;
  ChartText xTitle;
  ChartText yTitle;
  std::vector<ChartText> rowLabels;    // left to right
  std::vector<ChartText> valueLabels;  // lowest first
  std::vector<ChartText> switchLabels;
  std::vector<QLineF> ticks;
  std::vector<QLineF> grid;
  LegendLayout legend;

  // Where the point of a row and a value lies (outside the plot for a value
  // beyond the range).
  QPointF Map(double row, double value) const;
  // Every text on the chart.
  std::vector<const ChartText*> Texts() const;
};

ChartLayout LayOutChart(const ChartContent& content, QSizeF size,
                        const ChartMetrics& metrics = ChartMetrics());

// The legend's entries for the content: every series in order, then with a
// reference the two runs by name, the reference said to be one.
std::vector<LegendItem> LegendItems(const ChartContent& content);

}  // namespace chart
