// The calibration sheet: a technician's record of one run on A4 paper.
#include "CalibrationSheet.h"

#include <QIODevice>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "CurveCompare.h"
#include "FileFacts.h"
#include "Invocation.h"
#include "PrintableName.h"
#include "SheetFlow.h"
#include "chart/ChartLayout.h"
#include "chart/PaintChart.h"
#include "core/CurveNames.h"
#include "core/ValueLine.h"

namespace cli {

namespace {

constexpr int kResolution = 600;
constexpr int kScreenDpi = 96;
// A refused file's sheet is one page: its preamble shows as far as it fits.
constexpr double kRefusalRoomMm = 40;

void Preamble(SheetFlow& flow, const SheetRun& run, bool onePage) {
  flow.Heading(QStringLiteral("Lines before the header"));
  if (run.preamble.isEmpty()) flow.Text(QStringLiteral("(none)"));
  const double lineRoom = flow.Mm(5);  // one line of the fixed font, and some
  for (qsizetype i = 0; i < run.preamble.size(); ++i) {
    if (onePage && flow.Remaining() < flow.Mm(kRefusalRoomMm) + lineRoom) {
      flow.Text(QStringLiteral("... and %1 more lines").arg(run.preamble.size() - i));
      break;
    }
    const QString line = run.preamble[i].isEmpty() ? QStringLiteral(" ") : run.preamble[i];
    // On the one page, each line keeps to one line of the sheet.
    if (onePage) {
      flow.Line(line, SheetFlow::FixedFont());
    } else {
      flow.Text(line, SheetFlow::FixedFont());
    }
  }
}

QString SampleText(const CurveSnapshot& curves, int set) {
  QStringList samples;
  for (const TargetSample& s : curves.samples[static_cast<std::size_t>(set)]) {
    samples.append(core::ValueLine(s.height, s.value).trimmed());
  }
  return samples.join(QStringLiteral(",  "));
}

void Targets(SheetFlow& flow, const SheetRun& run) {
  const CurveSnapshot& curves = *run.curves;
  flow.Heading(QStringLiteral("Elevation switches and target samples"));
  flow.Text(QStringLiteral("Elevation switch: Up %1, Down %2")
                .arg(SwitchText(curves.elevUp), SwitchText(curves.elevDown)));
  for (int16_t set = 0; set < core::kSampleSets; ++set) {
    flow.Gap(1);
    flow.Text(SampleCountLine(curves, set), SheetFlow::TextFont(9, true));
    const QString samples = SampleText(curves, set);
    if (!samples.isEmpty()) flow.Text(samples);
  }
}

void Chart(SheetFlow& flow, const chart::ChartContent& content) {
  flow.Heading(QStringLiteral("Chart"));
  // At the chart window's own size, so its text keeps its size against its
  // lines, and as wide on paper as the window is on a 96 dpi screen.
  const QSize window = kWindowChartSize;
  const chart::ChartLayout layout = chart::LayOutChart(content, window);
  const double scale = static_cast<double>(kResolution) / kScreenDpi;
  flow.Block(window.height() * scale, [&](QPainter& painter, const QRectF& place) {
    painter.translate(place.topLeft());
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(), window));
    chart::PaintChart(painter, layout);
  });
}

bool IsMarked(const CurveSnapshot& curves, int curve, int height) {
  const int set = curve - kFirstSampledCurve;
  if (set < 0 || set >= core::kSampleSets) return false;
  for (const TargetSample& s : curves.samples[static_cast<std::size_t>(set)]) {
    if (s.height == height) return true;
  }
  return false;
}

void Curves(SheetFlow& flow, const CurveSnapshot& curves) {
  flow.NewPage();
  flow.Heading(QStringLiteral("The curves in volts"));
  flow.Text(QStringLiteral("As the lists show them; * marks a height with a target sample."));
  flow.Gap(1);
  QList<SheetFlow::Column> columns{{QStringLiteral("Height"), 16, Qt::AlignRight}};
  for (int c = 0; c < kPlotted; ++c) {
    columns.append({core::CurveName(PlottedCode(c)), 22, Qt::AlignRight});
  }
  const QString point = QLocale().decimalPoint();
  QList<SheetFlow::Row> rows;
  for (int h = 0; h < kHeights; ++h) {
    SheetFlow::Row row{{QString::number(h) + QLatin1Char('%')}, {false}};
    for (int c = 0; c < kPlotted; ++c) {
      const bool marked = IsMarked(curves, c, h);
      const int32_t raw = curves.raw[static_cast<std::size_t>(c)][static_cast<std::size_t>(h)];
      row.cells.append(core::VoltsText(raw, point) +
                       (marked ? QStringLiteral("V *") : QStringLiteral("V")));
      row.marked.append(marked);
    }
    rows.append(row);
  }
  flow.Table(columns, rows);
}

void Comparison(SheetFlow& flow, const SheetRun& run, const SheetRun& reference) {
  flow.NewPage();
  flow.Heading(QStringLiteral("Compared with the reference"));
  flow.Text(QStringLiteral("Reference: ") + PrintableName(reference.file));
  Preamble(flow, reference, false);
  flow.Heading(QStringLiteral("Differences, this file minus the reference"));
  flow.Text(QStringLiteral(
      "The largest difference in volts as the lists round them, at the lowest height where it "
      "lies; the mean over the heights 0% to 100%, rounded once to hundredths."));
  flow.Gap(1);
  const QList<SheetFlow::Column> columns{{QStringLiteral("Curve"), 40, Qt::AlignLeft},
                                         {QStringLiteral("Largest"), 30, Qt::AlignRight},
                                         {QStringLiteral("At height"), 25, Qt::AlignRight},
                                         {QStringLiteral("Mean"), 30, Qt::AlignRight}};
  const QString point = QLocale().decimalPoint();
  const CurveDifferences differences = CompareCurves(*reference.curves, *run.curves);
  QList<SheetFlow::Row> rows;
  for (int c = 0; c < kPlotted; ++c) {
    const CurveDifference& d = differences[static_cast<std::size_t>(c)];
    rows.append({{core::CurveName(PlottedCode(c)),
                  core::HundredthsText(d.largest, point) + QLatin1Char('V'),
                  QString::number(d.height) + QLatin1Char('%'),
                  core::HundredthsText(d.meanHundredths, point) + QLatin1Char('V')},
                 {}});
  }
  flow.Table(columns, rows);
}

void Content(SheetFlow& flow, const SheetInput& in) {
  const SheetRun& run = in.run;
  flow.Text(QStringLiteral("Calibration sheet"), SheetFlow::TextFont(15, true));
  flow.Gap(1);
  flow.Text(QStringLiteral("File: ") + PrintableName(run.file), SheetFlow::TextFont(10, true));
  const bool refused = !run.curves.has_value();
  if (run.opened) Preamble(flow, run, refused);
  flow.Heading(QStringLiteral("Outcome"));
  flow.Text(run.outcome.Text());
  if (refused) {
    flow.Gap(2);
    flow.Text(QStringLiteral("The file was refused: it gives no curves for this sheet."));
    return;
  }
  flow.Text(QStringLiteral("Sensor: ") + SensorText(in.scale));
  Targets(flow, run);
  if (in.chart) Chart(flow, *in.chart);
  Curves(flow, *run.curves);
  if (in.reference) Comparison(flow, run, *in.reference);
}

QString Footer(const SheetInput& in) {
  return QStringLiteral("Calibration sheet of %1 - Mirelda")
      .arg(PrintableName(core::FileNameOf(in.run.file)));
}

}  // namespace

SheetRun ReadSheetRun(const QString& file) {
  const FileRead read = ReadCrvFile(file, true);
  SheetRun run{file, read.outcome, read.Opened(), PreambleText(read.read), std::nullopt};
  if (run.outcome.success) run.curves = SnapshotOf(file, read.read);
  return run;
}

void MakeSheetChart(SheetInput& input) {
  if (!input.run.curves) return;
  input.scale = ScaleOver(*input.run.curves, nullptr);
  const bool reference = input.reference && input.reference->curves;
  input.chart = RunChart(*input.run.curves, reference ? &*input.reference->curves : nullptr, true);
}

bool WriteSheet(const SheetInput& input, QIODevice& device) {
  QPdfWriter pdf(&device);
  pdf.setResolution(kResolution);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF());
  pdf.setTitle(QStringLiteral("Calibration sheet of ") +
               PrintableName(core::FileNameOf(input.run.file)));
  pdf.setCreator(QStringLiteral("mirelda-crv"));

  // First count the pages, then draw them with "page N of M".
  SheetFlow measured(pdf, nullptr, 0, Footer(input));
  Content(measured, input);
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  SheetFlow flow(pdf, &painter, measured.Pages(), Footer(input));
  Content(flow, input);
  return painter.end();
}

}  // namespace cli
