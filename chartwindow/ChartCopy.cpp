#include "ChartCopy.h"

#include <QBuffer>
#include <QChartView>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "FrmChart.h"

namespace chartwindow {

bool DrawChart(FrmChart& chart, QPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  chart.PaintImage(painter);
  return painter.end();
}

QSize ScaledSize(QSize size, double ratio) {
  return {static_cast<int>(std::nearbyint(size.width() * ratio)),
          static_cast<int>(std::nearbyint(size.height() * ratio))};
}

QImage BlankChartImage(QSize size, double ratio) {
  QImage image(ScaledSize(size, ratio), QImage::Format_RGB32);
  if (image.isNull()) return image;
  // The chart is laid out at its size and drawn ratio times finer.
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

bool WriteChartSvg(FrmChart& chart, QSize size, QIODevice& out) {
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(), size));
  svg.setResolution(chart.logicalDpiX());
  svg.setTitle(chart.MSChart1().TitleText());
  // The axes with their ranges and the series, as the chart view describes itself.
  svg.setDescription(chart.MSChart1().widget()->accessibleDescription());
  return DrawChart(chart, svg);
}

QMimeData* ChartMimeData(FrmChart& chart) {
  auto* data = new QMimeData;
  // An image too large to make in memory is left out; the drawing stays.
  if (QImage image = BlankChartImage(chart.size(), chart.devicePixelRatioF());
      !image.isNull() && DrawChart(chart, image)) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.save(&buffer, "PNG")) data->setData(QStringLiteral("image/png"), png);
  }
  QByteArray svg;
  QBuffer buffer(&svg);
  buffer.open(QIODevice::WriteOnly);
  WriteChartSvg(chart, chart.size(), buffer);
  data->setData(QStringLiteral("image/svg+xml"), svg);
  return data;
}

}  // namespace chartwindow
