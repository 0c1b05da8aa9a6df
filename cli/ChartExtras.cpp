// The chart of a run as the chart window draws it, with what mirelda-crv
// adds: a reference run and marks.
#include "cli/ChartExtras.h"

#include <algorithm>
#include <iterator>

#include "chart/ChartStyle.h"
#include "core/ChartScale.h"
#include "core/CurveNames.h"
#include "core/FileNameBytes.h"

namespace cli {

namespace {

// The chart window's layout of its axes: a tick at every fifth height, a
// label at every tenth.
constexpr int kRowsPerTick = 5;
constexpr int kRowsPerLabel = 10;
// The series drawn dashed, from 0: the two empty curves (Empty Up, Empty
// Down), so each loaded and empty pair reads apart without its colours.
constexpr int kDashed[] = {2, 4};

// The seven curves of one run, then of the other, as raw columns.
core::RawColumns RawColumns(const CurveSnapshot& first, const CurveSnapshot* second) {
  core::RawColumns columns;
  for (const CurveSnapshot* run : {&first, second}) {
    if (run == nullptr) continue;
    for (const core::Curve& curve : run->raw) columns.emplace_back(curve.begin(), curve.end());
  }
  return columns;
}

ChartScale ScaleOf(const core::ChartScale& scale) {
  return {scale.sensorKind, scale.minimum, scale.maximum};
}

// The seven curves of one run, from its first column among the scaled ones.
std::vector<chart::ChartSeries> Curves(const core::ChartScale& scale, int firstColumn,
                                       bool reference) {
  std::vector<chart::ChartSeries> curves;
  for (int c = 0; c < kPlotted; ++c) {
    chart::ChartSeries series;
    series.name = core::CurveName(PlottedCode(c));
    series.colour = chart::SeriesColour(c);
    const bool dashed = std::find(std::begin(kDashed), std::end(kDashed), c) != std::end(kDashed);
    series.style = reference ? chart::ReferenceStyle() : dashed ? Qt::DashLine : Qt::SolidLine;
    series.width = reference ? chart::kReferenceLineWidth : chart::kSeriesLineWidth;
    series.values = scale.values[static_cast<std::size_t>(firstColumn + c)];
    curves.push_back(std::move(series));
  }
  return curves;
}

void AddMarks(chart::ChartContent& content, const CurveSnapshot& file, const QString& sensorKind) {
  const double factor = core::SensorFactor(sensorKind);
  for (int set = 0; set < core::kSampleSets; ++set) {
    for (const TargetSample& sample : file.samples[static_cast<std::size_t>(set)]) {
      if (sample.height < 0 || sample.height >= kHeights) continue;
      content.marks.push_back({sample.height, core::ScaledValue(sample.value, factor),
                               chart::SeriesColour(kFirstSampledCurve + set)});
    }
  }
  // Up inside the plot's top, Down at its foot, so the two never meet.
  if (file.elevUp >= 0) content.switches.push_back({file.elevUp, QStringLiteral("Up"), true});
  if (file.elevDown >= 0) {
    content.switches.push_back({file.elevDown, QStringLiteral("Down"), false});
  }
}

QString Shown(const QString& path) {
  return core::ShownFileName(core::FileNameOf(path));
}

}  // namespace

ChartScale ScaleOver(const CurveSnapshot& first, const CurveSnapshot* second) {
  return ScaleOf(core::ScaleChart(RawColumns(first, second)));
}

chart::ChartContent RunChart(const CurveSnapshot& file, const CurveSnapshot* reference,
                             bool marks) {
  const core::ChartScale scale = core::ScaleChart(RawColumns(file, reference));
  chart::ChartContent content;
  content.title = QStringLiteral("QRV Load Calibration Chart for ") + Shown(file.path);
  content.xTitle = QStringLiteral("Height (%)");
  content.yTitle = core::ValueAxisTitle(scale.sensorKind);
  for (int h = 0; h < kHeights; ++h) content.rowLabels << QLatin1Char(' ') + QString::number(h);
  content.rowsPerTick = kRowsPerTick;
  content.rowsPerLabel = kRowsPerLabel;
  content.minimum = scale.minimum;
  content.maximum = scale.maximum;
  content.divisions = core::MajorDivisions(scale.minimum, scale.maximum);
  content.series = Curves(scale, 0, false);
  if (reference != nullptr) {
    content.reference = Curves(scale, kPlotted, true);
    content.runName = Shown(file.path);
    content.referenceName = Shown(reference->path);
  }
  if (marks) AddMarks(content, file, scale.sensorKind);
  return content;
}

}  // namespace cli
