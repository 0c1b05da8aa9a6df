#include "chartwindow/ChartCopy.h"

#include <QBuffer>
#include <QMimeData>

#include "chart/ChartOutput.h"

namespace chartwindow {

QMimeData* ChartMimeData(const chart::ChartLayout& layout, double ratio) {
  auto* data = new QMimeData;
  // An image too large to make in memory is left out; the drawing stays.
  if (const QImage image = chart::ChartImage(layout, ratio); !image.isNull()) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.save(&buffer, "PNG")) data->setData(QStringLiteral("image/png"), png);
  }
  QByteArray svg;
  QBuffer buffer(&svg);
  buffer.open(QIODevice::WriteOnly);
  chart::WriteChartSvg(layout, buffer);
  data->setData(QStringLiteral("image/svg+xml"), svg);
  return data;
}

}  // namespace chartwindow
