#include "ChartCopy.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "FrmChart.h"

namespace chartwindow {

namespace {

void Draw(FrmChart& chart, QPaintDevice& device) {
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  chart.PaintImage(painter);
}

QByteArray Png(FrmChart& chart) {
  const qreal ratio = chart.devicePixelRatioF();
  const QSize pixels(static_cast<int>(std::nearbyint(chart.width() * ratio)),
                     static_cast<int>(std::nearbyint(chart.height() * ratio)));
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull()) return {};
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  Draw(chart, image);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

QByteArray Svg(FrmChart& chart) {
  QByteArray svg;
  QBuffer buffer(&svg);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(chart.size());
  generator.setViewBox(QRect(QPoint(), chart.size()));
  generator.setResolution(chart.logicalDpiX());
  generator.setTitle(chart.MSChart1().TitleText());
  Draw(chart, generator);
  return svg;
}

}  // namespace

QMimeData* ChartMimeData(FrmChart& chart) {
  auto* data = new QMimeData;
  // An image too large to make in memory is left out; the drawing stays.
  if (const QByteArray png = Png(chart); !png.isEmpty()) {
    data->setData(QStringLiteral("image/png"), png);
  }
  data->setData(QStringLiteral("image/svg+xml"), Svg(chart));
  return data;
}

}  // namespace chartwindow
