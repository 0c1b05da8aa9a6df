#include "tests/chart/ChartSamples.h"

#include "chart/ChartStyle.h"

namespace charttest {

namespace {

const char* const kNames[] = {"Dynamic",    "Loaded Up", "Empty Up",  "Loaded Down",
                              "Empty Down", "Delta Up",  "Delta Down"};

}  // namespace

chart::ChartContent Sample(Kind kind, const QString& fileName) {
  chart::ChartContent content;
  content.title = QStringLiteral("QRV Load Calibration Chart for ") + fileName;
  content.xTitle = QStringLiteral("Height (%)");
  const bool strain = kind == Kind::Strain;
  content.yTitle = strain ? QStringLiteral("STRAIN (mV)") : QStringLiteral("PRESSURE (V)");
  for (int h = 0; h <= 100; ++h) content.rowLabels << QStringLiteral(" %1").arg(h);
  content.rowsPerTick = 5;
  content.rowsPerLabel = 10;
  content.minimum = strain ? 46 : 0;
  content.maximum = strain ? 109 : 2.5f;
  content.divisions = static_cast<int64_t>(2 * (content.maximum - content.minimum));
  for (int s = 0; s < 7; ++s) {
    chart::ChartSeries series{QString::fromLatin1(kNames[s]),
                              chart::SeriesColour(s),
                              Qt::SolidLine,
                              chart::kSeriesLineWidth,
                              {}};
    const float span = content.maximum - content.minimum;
    for (int h = 0; h <= 100; ++h) {
      series.values.push_back(content.minimum + span * static_cast<float>(s + 1) / 8);
    }
    content.series.push_back(std::move(series));
  }
  return content;
}

chart::ChartContent WithReference(chart::ChartContent content, const QString& referenceName) {
  content.reference = content.series;
  for (chart::ChartSeries& s : content.reference) {
    s.style = chart::ReferenceStyle();
    s.width = chart::kReferenceLineWidth;
    for (float& v : s.values) v -= (content.maximum - content.minimum) / 16;
  }
  content.runName = content.title.section(QLatin1Char(' '), -1);
  content.referenceName = referenceName;
  return content;
}

}  // namespace charttest
