// The chart of a run as the chart window draws it, with what mirelda-crv
// adds: a reference run and marks.
#include "ChartExtras.h"

#include "CURVEroutines.h"
#include "ChartGrid.h"
#include "ChartScaling.h"
#include "FileName.h"
#include "chart/ChartStyle.h"

namespace cli {

namespace {

using chartwindow::ChartGrid;

// Rows are heights; column 1 the row labels, then the seven curves of each run.
ChartGrid RawGrid(const CurveSnapshot& first, const CurveSnapshot* second) {
  ChartGrid grid(kHeights, 1 + kPlotted * (second != nullptr ? 2 : 1));
  for (int run = 0; run < (second != nullptr ? 2 : 1); ++run) {
    const CurveSnapshot& snapshot = run == 0 ? first : *second;
    for (int c = 0; c < kPlotted; ++c) {
      for (int h = 0; h < kHeights; ++h) {
        grid(h, 2 + kPlotted * run + c) =
            snapshot.raw[static_cast<std::size_t>(c)][static_cast<std::size_t>(h)];
      }
    }
  }
  return grid;
}

ChartScale Scaled(ChartGrid& grid) {
  ChartScale scale;
  chartwindow::ScaleChartValues(grid, scale.minimum, scale.maximum, scale.sensorKind);
  return scale;
}

bool Dashed(int curve) {
  for (const int16_t series : chartwindow::kDashedSeries) {
    if (series == curve + 1) return true;
  }
  return false;
}

// The seven curves of one run, from its first column in the scaled grid.
std::vector<chart::ChartSeries> Curves(const ChartGrid& grid, int firstColumn, bool reference) {
  std::vector<chart::ChartSeries> curves;
  for (int c = 0; c < kPlotted; ++c) {
    chart::ChartSeries series;
    series.name = CURVEroutines::CurveName(PlottedCode(c));
    series.colour = chart::SeriesColour(c);
    series.style = reference ? chart::ReferenceStyle() : Dashed(c) ? Qt::DashLine : Qt::SolidLine;
    series.width = reference ? chart::kReferenceLineWidth : chart::kSeriesLineWidth;
    for (int h = 0; h < kHeights; ++h) series.values.push_back(grid.Number(h, firstColumn + c));
    curves.push_back(std::move(series));
  }
  return curves;
}

void AddMarks(chart::ChartContent& content, const CurveSnapshot& file, const QString& sensorKind) {
  const double factor = chartwindow::SensorFactor(sensorKind);
  for (int set = 0; set < CURVEroutines::kSampleSets; ++set) {
    for (const TargetSample& sample : file.samples[static_cast<std::size_t>(set)]) {
      if (sample.height < 0 || sample.height >= kHeights) continue;
      content.marks.push_back({sample.height, chartwindow::ScaledValue(sample.value, factor),
                               chart::SeriesColour(kFirstSampledCurve + set)});
    }
  }
  // Up inside the plot's top, Down at its foot, so the two never meet.
  if (file.elevUp >= 0) content.switches.push_back({file.elevUp, QStringLiteral("Up"), true});
  if (file.elevDown >= 0) {
    content.switches.push_back({file.elevDown, QStringLiteral("Down"), false});
  }
}

}  // namespace

ChartScale ScaleOver(const CurveSnapshot& first, const CurveSnapshot* second) {
  ChartGrid grid = RawGrid(first, second);
  return Scaled(grid);
}

chart::ChartContent RunChart(const CurveSnapshot& file, const CurveSnapshot* reference,
                             bool marks) {
  ChartGrid grid = RawGrid(file, reference);
  const ChartScale scale = Scaled(grid);
  chart::ChartContent content;
  content.title = QStringLiteral("QRV Load Calibration Chart for ") +
                  platform::ShownFileName(CURVEroutines::FileNameOf(file.path));
  content.xTitle = QStringLiteral("Height (%)");
  content.yTitle = chartwindow::ValueAxisTitle(scale.sensorKind);
  for (int h = 0; h < kHeights; ++h) content.rowLabels << QLatin1Char(' ') + QString::number(h);
  content.rowsPerTick = 5;
  content.rowsPerLabel = 10;
  content.minimum = scale.minimum;
  content.maximum = scale.maximum;
  content.divisions = chartwindow::MajorDivisions(scale.minimum, scale.maximum);
  content.series = Curves(grid, 2, false);
  if (reference != nullptr) {
    content.reference = Curves(grid, 2 + kPlotted, true);
    content.runName = platform::ShownFileName(CURVEroutines::FileNameOf(file.path));
    content.referenceName = platform::ShownFileName(CURVEroutines::FileNameOf(reference->path));
  }
  if (marks) AddMarks(content, file, scale.sensorKind);
  return content;
}

}  // namespace cli
