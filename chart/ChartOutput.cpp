#include "chart/ChartOutput.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "chart/ChartDescription.h"
#include "chart/PaintChart.h"

namespace chart {

namespace {

// The chart's units are the pixels of a screen of this density; its fonts are
// given in them, so any resolution would do, and this one keeps the page's
// size in inches true to the window's.
constexpr int kResolution = 96;

bool Paint(const ChartLayout& layout, QPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  PaintChart(painter, layout);
  return painter.end();
}

QSize WholeSize(const ChartLayout& layout) {
  return layout.size.toSize();
}

}  // namespace

QSize ScaledSize(QSize size, double ratio) {
  return {static_cast<int>(std::nearbyint(size.width() * ratio)),
          static_cast<int>(std::nearbyint(size.height() * ratio))};
}

QImage BlankChartImage(QSize size, double ratio) {
  QImage image(ScaledSize(size, ratio), QImage::Format_RGB32);
  if (image.isNull()) return image;
  // Laid out at its size and drawn ratio times finer.
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

QImage ChartImage(const ChartLayout& layout, double ratio) {
  QImage image = BlankChartImage(WholeSize(layout), ratio);
  if (!image.isNull() && !Paint(layout, image)) return QImage();
  return image;
}

bool WriteChartSvg(const ChartLayout& layout, QIODevice& out) {
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setSize(WholeSize(layout));
  svg.setViewBox(QRect(QPoint(), WholeSize(layout)));
  svg.setResolution(kResolution);
  svg.setTitle(layout.content.title);
  svg.setDescription(ChartDescription(layout.content));
  return Paint(layout, svg);
}

bool WriteChartPdf(const ChartLayout& layout, QIODevice& out, const QString& creator) {
  QPdfWriter pdf(&out);
  pdf.setResolution(kResolution);
  // One page the chart's size, so its units are the page's.
  pdf.setPageSize(QPageSize(QSizeF(WholeSize(layout)) / kResolution, QPageSize::Inch, QString(),
                            QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF());
  pdf.setTitle(layout.content.title);
  pdf.setCreator(creator);
  return Paint(layout, pdf);
}

}  // namespace chart
