#include "ChartFile.h"

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

bool WritePng(FrmChart& chart, QSize size, QSaveFile& file, QString& error) {
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

bool WriteSvg(FrmChart& chart, QSize size, QSaveFile& file) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(), size));
  svg.setResolution(chart.logicalDpiX());
  svg.setTitle(chart.MSChart1().TitleText());
  return Draw(chart, svg);
}

bool WritePdf(FrmChart& chart, QSize size, QSaveFile& file) {
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

bool WriteChart(FrmChart& chart, QSize size, ChartFormat format, const QString& path,
                QString& error) {
  chart.resize(size);
  // The chart fills the client area, as it does once the window is shown.
  chart.Form_Resize();

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  bool written = false;
  switch (format) {
    case ChartFormat::Png:
      written = WritePng(chart, size, file, error);
      break;
    case ChartFormat::Svg:
      written = WriteSvg(chart, size, file);
      break;
    case ChartFormat::Pdf:
      written = WritePdf(chart, size, file);
      break;
  }
  if (written && file.commit()) return true;
  if (error.isEmpty()) error = file.errorString();
  if (error.isEmpty()) error = QStringLiteral("the chart could not be drawn");
  file.cancelWriting();
  return false;
}

}  // namespace cli
