#pragma once

// Where the legend goes, as a rule over sizes: right of the plot in one
// column while that takes at most a third of the width and fits the height;
// otherwise below the plot, entries flowing in rows, each row centred. No
// name is ever cut: one wider than the whole chart is broken over lines.

#include <QColor>
#include <QFontMetricsF>
#include <QLineF>
#include <QRectF>
#include <QStringList>
#include <Qt>
#include <vector>

#include "chart/ChartText.h"

namespace chart {

// What an entry shows: a stretch of its line and a name.
struct LegendItem {
  QString name;
  QColor colour;
  Qt::PenStyle style = Qt::SolidLine;
  double width = 1.5;
};

struct LegendEntry {
  LegendItem item;
  QLineF sample;                 // the stretch of line
  std::vector<ChartText> lines;  // the name, on one line or more
  QRectF box;                    // the whole entry
};

struct LegendLayout {
  bool below = false;
  QRectF rect;  // empty without entries
  std::vector<LegendEntry> entries;
};

// `area` is the chart less its edges; a legend on the right stands in it
// below `top`, centred on the room left there.
LegendLayout LayOutLegend(const std::vector<LegendItem>& items, const QRectF& area, double top,
                          const QFontMetricsF& metrics);

// The text broken into lines no wider than width, anywhere (each line holds
// at least one character).
QStringList BrokenLines(const QString& text, double width, const QFontMetricsF& metrics);

}  // namespace chart
