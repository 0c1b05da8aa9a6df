#include "ChartFile.h"

#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPdfWriter>

#include "ChartCopy.h"
#include "FrmChart.h"
#include "OutputFile.h"

namespace cli {

namespace {

bool WritePng(FrmChart& chart, QSize size, double scale, QIODevice& out, QString& error) {
  QImage image = chartwindow::BlankChartImage(size, scale);
  if (image.isNull()) {
    error = QStringLiteral("not enough memory for an image of this size");
    return false;
  }
  if (!chartwindow::DrawChart(chart, image)) return false;
  QImageWriter writer(&out, "png");
  if (writer.write(image)) return true;
  error = writer.errorString();
  return false;
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
  return chartwindow::DrawChart(chart, pdf);
}

}  // namespace

std::optional<ChartFormat> ChartFormatOf(const QString& path) {
  const QString name = path.toLower();
  if (name.endsWith(QStringLiteral(".png"))) return ChartFormat::Png;
  if (name.endsWith(QStringLiteral(".svg"))) return ChartFormat::Svg;
  if (name.endsWith(QStringLiteral(".pdf"))) return ChartFormat::Pdf;
  return std::nullopt;
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
            drawn = chartwindow::WriteChartSvg(chart, request.size, out);
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
