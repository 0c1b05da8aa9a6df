// What mirelda-crv adds to the chart window's chart, through the chart
// control's members and its Qt chart, leaving the window's own chart as it is.
#include "ChartExtras.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include "ChartScaling.h"
#include "ChartStyle.h"
#include "FrmChart.h"
#include "core/CurveNames.h"

namespace cli {

namespace {

using platform::ChartGrid;

constexpr double kReferenceLineWidth = 0.75;
constexpr double kMarkerSize = 7;
constexpr double kLabelDrop = 0.05;  // of the value range, below the top

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

// Extras belong to the chart's own axes and stay out of its legend.
void AddUnlisted(QChart* chart, QAbstractSeries* series) {
  chart->addSeries(series);
  series->attachAxis(chart->axes(Qt::Horizontal).value(0));
  series->attachAxis(chart->axes(Qt::Vertical).value(0));
  for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
}

// An entry of the legend alone: a line of no points.
void AddLegendEntry(QChart* chart, const QString& name, const QPen& pen) {
  auto* entry = new QLineSeries;
  entry->setName(platform::AsDrawnText(name));
  entry->setPen(pen);
  chart->addSeries(entry);
  entry->attachAxis(chart->axes(Qt::Horizontal).value(0));
  entry->attachAxis(chart->axes(Qt::Vertical).value(0));
}

QColor SeriesColour(QChart* chart, int curve) {
  const auto* series = qobject_cast<QLineSeries*>(chart->series().value(curve));
  return series != nullptr ? series->pen().color() : QColor(Qt::black);
}

QPen ReferencePen(const QColor& colour) {
  QPen pen(colour, kReferenceLineWidth, Qt::CustomDashLine);
  pen.setDashPattern({3, 3});
  return pen;
}

// A point of no size that carries a text above it.
void AddLabel(QChart* chart, QPointF at, const QString& text) {
  auto* label = new QScatterSeries;
  label->append(at);
  label->setMarkerSize(1);
  label->setColor(Qt::transparent);
  label->setBorderColor(Qt::transparent);
  label->setPointLabelsFormat(text);
  label->setPointLabelsVisible(true);
  label->setPointLabelsClipping(false);
  label->setPointLabelsFont(platform::ChartFont(false));
  label->setPointLabelsColor(Qt::black);
  AddUnlisted(chart, label);
}

}  // namespace

ChartScale ScaleOver(const CurveSnapshot& first, const CurveSnapshot* second) {
  ChartGrid grid = RawGrid(first, second);
  return Scaled(grid);
}

ChartScale AddReference(FrmChart& chart, const CurveSnapshot& file,
                        const CurveSnapshot& reference) {
  ChartGrid both = RawGrid(file, &reference);
  const ChartScale scale = Scaled(both);

  // The file's curves again, in the units and on the range of both runs.
  platform::ChartControl& control = chart.MSChart1();
  ChartGrid own(kHeights, 1 + kPlotted);
  for (int h = 0; h < kHeights; ++h) {
    own(h, 1) = QLatin1Char(' ') + QString::number(h);
    for (int c = 2; c <= 1 + kPlotted; ++c) own(h, c) = both(h, c);
  }
  control.SetChartData(own);
  const QString xTitle = control.Axis(platform::AxisId::X, 1).AxisTitle;
  platform::ChartAxis& y = control.Axis(platform::AxisId::Y, 1);
  y.AxisTitle = chartwindow::ValueAxisTitle(scale.sensorKind);
  y.ValueScale.Minimum = scale.minimum;
  y.ValueScale.Maximum = scale.maximum;
  y.ValueScale.MajorDivision = chartwindow::MajorDivisions(scale.minimum, scale.maximum);
  control.Refresh();

  QChart* qchart = control.chart();
  for (int c = 0; c < kPlotted; ++c) {
    auto* series = new QLineSeries;
    for (int h = 0; h < kHeights; ++h) series->append(h, both.Number(h, 2 + kPlotted + c));
    series->setPen(ReferencePen(SeriesColour(qchart, c)));
    AddUnlisted(qchart, series);
  }
  const QString referenceName = core::FileNameOf(reference.path);
  AddLegendEntry(qchart, core::FileNameOf(file.path), QPen(Qt::black, platform::kSeriesLineWidth));
  AddLegendEntry(qchart, referenceName + QStringLiteral(" (reference)"), ReferencePen(Qt::black));

  control.widget()->setAccessibleDescription(
      chart.AccessibleDescription(xTitle, y.AxisTitle, scale.minimum, scale.maximum) +
      QStringLiteral("; reference ") + referenceName);
  return scale;
}

void AddMarks(FrmChart& chart, const CurveSnapshot& file, const QString& sensorKind) {
  QChart* qchart = chart.MSChart1().chart();
  const double factor = chartwindow::SensorFactor(sensorKind);
  for (int set = 0; set < core::kSampleSets; ++set) {
    auto* markers = new QScatterSeries;
    for (const TargetSample& sample : file.samples[static_cast<std::size_t>(set)]) {
      if (sample.height < 0 || sample.height >= kHeights) continue;
      markers->append(sample.height, chartwindow::ScaledValue(sample.value, factor));
    }
    markers->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    markers->setMarkerSize(kMarkerSize);
    markers->setColor(SeriesColour(qchart, kFirstSampledCurve + set));
    markers->setBorderColor(Qt::black);
    AddUnlisted(qchart, markers);
  }

  const auto* y = qobject_cast<QValueAxis*>(qchart->axes(Qt::Vertical).value(0));
  if (y == nullptr) return;
  const struct {
    int16_t height;
    const char* label;
    bool atTop;
  } switches[] = {{file.elevUp, "Up", true}, {file.elevDown, "Down", false}};
  for (const auto& s : switches) {
    if (s.height < 0) continue;
    auto* line = new QLineSeries;
    line->append(s.height, y->min());
    line->append(s.height, y->max());
    line->setPen(QPen(platform::kAxisColour, 1, Qt::DashDotLine));
    AddUnlisted(qchart, line);
    // Up inside the plot's top, Down at its foot, so the two never meet.
    const double span = y->max() - y->min();
    AddLabel(qchart, QPointF(s.height, s.atTop ? y->max() - kLabelDrop * span : y->min()),
             QString::fromLatin1(s.label));
  }
}

}  // namespace cli
