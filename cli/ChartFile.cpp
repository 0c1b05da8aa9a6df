#include "cli/ChartFile.h"

#include <QImageWriter>

#include "chart/ChartOutput.h"
#include "cli/OutputFile.h"

namespace cli {

namespace {

bool WritePng(const chart::ChartLayout& layout, double scale, QIODevice& out, QString& error) {
  const QImage image = chart::ChartImage(layout, scale);
  if (image.isNull()) {
    error = QStringLiteral("not enough memory for an image of this size");
    return false;
  }
  QImageWriter writer(&out, "png");
  if (writer.write(image)) return true;
  error = writer.errorString();
  return false;
}

}  // namespace

std::optional<ChartFormat> ChartFormatOf(const QString& path) {
  const QString name = path.toLower();
  if (name.endsWith(QStringLiteral(".png"))) return ChartFormat::Png;
  if (name.endsWith(QStringLiteral(".svg"))) return ChartFormat::Svg;
  if (name.endsWith(QStringLiteral(".pdf"))) return ChartFormat::Pdf;
  return std::nullopt;
}

bool WriteChart(const chart::ChartContent& content, const ChartRequest& request,
                const QString& path, QString& error) {
  const chart::ChartLayout layout = chart::LayOutChart(content, request.size);
  return WriteOutputFile(
      path,
      [&](QIODevice& out, QString& drawError) {
        bool drawn = false;
        switch (request.format) {
          case ChartFormat::Png:
            drawn = WritePng(layout, request.scale, out, drawError);
            break;
          case ChartFormat::Svg:
            drawn = chart::WriteChartSvg(layout, out);
            break;
          case ChartFormat::Pdf:
            drawn = chart::WriteChartPdf(layout, out, QStringLiteral("mirelda-crv"));
            break;
        }
        if (!drawn && drawError.isEmpty())
          drawError = QStringLiteral("the chart could not be drawn");
        return drawn;
      },
      error);
}

}  // namespace cli
