#pragma once

// What a chart shows, whatever it is drawn on: its texts, the rows along the
// horizontal axis and their labels, the fixed range of the value axis, and
// the curves with their names, colours and line styles. mirelda-crv adds a
// reference run, drawn beneath the file's curves, and marks.

#include <QColor>
#include <QString>
#include <QStringList>
#include <Qt>
#include <cstdint>
#include <vector>

namespace chart {

// One curve: a value per row, in the chart's unit.
struct ChartSeries {
  QString name;
  QColor colour;
  Qt::PenStyle style = Qt::SolidLine;
  double width = 1.5;
  std::vector<float> values;
};

// A target sample marked on its curve.
struct ChartMark {
  int row = 0;
  float value = 0;
  QColor colour;
};

// A height marked by a vertical line across the plot, labelled at its top or
// at its foot.
struct ChartSwitch {
  int row = 0;
  QString label;
  bool atTop = true;
};

struct ChartContent {
  QString title;
  QString xTitle;
  QString yTitle;

  // One label per row; the rows are the heights 0 .. size - 1.
  QStringList rowLabels;
  int rowsPerTick = 1;
  int rowsPerLabel = 1;

  // The value axis: its range, cut into this many equal divisions.
  float minimum = 0;
  float maximum = 0;
  int64_t divisions = 0;

  // Named in the legend, in this order, and drawn last over everything else.
  std::vector<ChartSeries> series;
  // Another run's curves, drawn beneath and not named one by one: the legend
  // names the two runs instead, by these names.
  std::vector<ChartSeries> reference;
  QString runName;
  QString referenceName;

  std::vector<ChartMark> marks;
  std::vector<ChartSwitch> switches;

  int Rows() const { return static_cast<int>(rowLabels.size()); }
  bool HasReference() const { return !reference.empty(); }
};

}  // namespace chart
