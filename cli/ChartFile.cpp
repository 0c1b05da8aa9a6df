#include "ChartFile.h"

#include <QChartView>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "FrmChart.h"
#include "OutputFile.h"

namespace cli {

namespace {

// Drawn at the window's own resolution, so text keeps its size against the
// lines, and with smoothed lines as the window draws them.
bool Draw(FrmChart& chart, QPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  chart.PaintImage(painter);
  return painter.end();
}

bool WritePng(FrmChart& chart, QSize size, double scale, QIODevice& out, QString& error) {
  QImage image(ScaledSize(size, scale), QImage::Format_RGB32);
  if (image.isNull()) {
    error = QStringLiteral("not enough memory for an image of this size");
    return false;
  }
  // The chart is laid out at its size and drawn scale times finer.
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  if (!Draw(chart, image)) return false;
  QImageWriter writer(&out, "png");
  if (writer.write(image)) return true;
  error = writer.errorString();
  return false;
}

bool WriteSvg(FrmChart& chart, QSize size, QIODevice& out) {
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(), size));
  svg.setResolution(chart.logicalDpiX());
  svg.setTitle(chart.MSChart1().TitleText());
  // The axes with their ranges and the series, as the chart view describes itself.
  svg.setDescription(chart.MSChart1().widget()->accessibleDescription());
  return Draw(chart, svg);
}

bool WritePdf(FrmChart& chart, QSize size, QIODevice& out) {
  QPdfWriter pdf(&out);
  const int dpi = chart.logicalDpiX();
  pdf.setResolution(dpi);
  // One page the size of the window, so its pixels are the page's.
  pdf.setPageSize(QPageSize(QSizeF(size) / dpi, QPageSize::Inch, QString(), QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF());
  pdf.setTitle(chart.MSChart1().TitleText());
  pdf.setCreator(QStringLiteral("mirelda-crv"));
  return Draw(chart, pdf);
}

}  // namespace

std::optional<ChartFormat> ChartFormatOf(const QString& path) {
  const QString name = path.toLower();
  if (name.endsWith(QStringLiteral(".png"))) return ChartFormat::Png;
  if (name.endsWith(QStringLiteral(".svg"))) return ChartFormat::Svg;
  if (name.endsWith(QStringLiteral(".pdf"))) return ChartFormat::Pdf;
  return std::nullopt;
}

QSize ScaledSize(QSize size, double scale) {
  return {static_cast<int>(std::nearbyint(size.width() * scale)),
          static_cast<int>(std::nearbyint(size.height() * scale))};
}

bool WriteChart(FrmChart& chart, const ChartRequest& request, const QString& path, QString& error) {
  chart.resize(request.size);
  // The chart fills the client area, as it does once the window is shown.
  chart.Form_Resize();
  return WriteOutputFile(
      path,
      [&](QIODevice& out, QString& drawError) {
        bool drawn = false;
        switch (request.format) {
          case ChartFormat::Png:
            drawn = WritePng(chart, request.size, request.scale, out, drawError);
            break;
          case ChartFormat::Svg:
            drawn = WriteSvg(chart, request.size, out);
            break;
          case ChartFormat::Pdf:
            drawn = WritePdf(chart, request.size, out);
            break;
        }
        if (!drawn && drawError.isEmpty())
          drawError = QStringLiteral("the chart could not be drawn");
        return drawn;
      },
      error);
}

}  // namespace cli
