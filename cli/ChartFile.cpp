#include "ChartFile.h"

#include <QChartView>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "FrmChart.h"

namespace cli {

namespace {

// Drawn at the window's own resolution, so text keeps its size against the lines.
bool Draw(FrmChart& chart, QPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  chart.PaintImage(painter);
  return painter.end();
}

bool WritePng(FrmChart& chart, QSize size, QIODevice& file, QString& error) {
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) {
    error = QStringLiteral("not enough memory for an image of this size");
    return false;
  }
  image.fill(Qt::white);
  if (!Draw(chart, image)) return false;
  QImageWriter writer(&file, "png");
  if (writer.write(image)) return true;
  error = writer.errorString();
  return false;
}

bool WriteSvg(FrmChart& chart, QSize size, QIODevice& file) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(), size));
  svg.setResolution(chart.logicalDpiX());
  svg.setTitle(chart.MSChart1().TitleText());
  // The axes with their ranges and the series, as the chart view describes itself.
  svg.setDescription(chart.MSChart1().widget()->accessibleDescription());
  return Draw(chart, svg);
}

bool WritePdf(FrmChart& chart, QSize size, QIODevice& file) {
  QPdfWriter pdf(&file);
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

bool WriteWhole(const QString& path, const std::function<bool(QIODevice&, QString&)>& write,
                QString& error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  if (write(file, error) && file.commit()) return true;
  if (error.isEmpty()) error = file.errorString();
  file.cancelWriting();
  return false;
}

bool WriteChart(FrmChart& chart, QSize size, ChartFormat format, const QString& path,
                QString& error) {
  chart.resize(size);
  // The chart fills the client area, as it does once the window is shown.
  chart.Form_Resize();

  const bool written = WriteWhole(
      path,
      [&](QIODevice& file, QString& why) {
        bool drawn = false;
        switch (format) {
          case ChartFormat::Png:
            drawn = WritePng(chart, size, file, why);
            break;
          case ChartFormat::Svg:
            drawn = WriteSvg(chart, size, file);
            break;
          case ChartFormat::Pdf:
            drawn = WritePdf(chart, size, file);
            break;
        }
        return drawn;
      },
      error);
  if (!written && error.isEmpty()) error = QStringLiteral("the chart could not be drawn");
  return written;
}

}  // namespace cli
