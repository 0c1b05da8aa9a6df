#pragma once

// The chart written away from the screen: as an image of a given pixel
// ratio, as an SVG drawing and as a one-page PDF the chart's size, each
// drawn through PaintChart from one layout.

#include <QImage>
#include <QSize>

#include "chart/ChartLayout.h"

class QIODevice;

namespace chart {

// The pixels of an image of size at ratio, each side to the nearest.
QSize ScaledSize(QSize size, double ratio);

// A white image ratio times finer than size (the chart's units); a null
// image when one that large cannot be made.
QImage BlankChartImage(QSize size, double ratio);

// The chart drawn on an image ratio times finer than its layout; a null
// image when one that large cannot be made.
QImage ChartImage(const ChartLayout& layout, double ratio);

// Lines and text, titled with the chart's title and described as the chart
// window describes it to assistive tools.
bool WriteChartSvg(const ChartLayout& layout, QIODevice& out);
bool WriteChartPdf(const ChartLayout& layout, QIODevice& out, const QString& creator);

}  // namespace chart
