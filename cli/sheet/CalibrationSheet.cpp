// The calibration sheet: a technician's record of one run on A4 paper.
#include "cli/sheet/CalibrationSheet.h"

#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "chart/ChartLayout.h"
#include "chart/PaintChart.h"
#include "cli/CurveCompare.h"
#include "cli/FileFacts.h"
#include "cli/Invocation.h"
#include "cli/PrintableName.h"
#include "cli/sheet/SheetFlow.h"
#include "cli/sheet/SheetSections.h"
#include "cli/sheet/SheetWords.h"
#include "core/CurveNames.h"
#include "core/StartName.h"

namespace cli {

namespace {

constexpr int kResolution = 600;
constexpr int kScreenDpi = 96;
// Lines of the file's own text shown: enough for a header block, few
// enough that any file's sheet stays a few pages.
constexpr std::size_t kLinesShown = 12;

void Chart(SheetFlow& flow, const SheetInput& in, const chart::ChartContent& content) {
  // At the chart window's own size, so its text keeps its size against its
  // lines, and as wide on paper as the window is on a 96 dpi screen.
  const QSize window = kWindowChartSize;
  const chart::ChartLayout layout = chart::LayOutChart(content, window);
  const double scale = static_cast<double>(kResolution) / kScreenDpi;
  const double height = window.height() * scale;
  const QString sensor = QStringLiteral("Sensor: ") + SensorText(in.scale);
  const QString units = UnitsSentence(in.scale.sensorKind);
  const QString named = in.reference
                            ? QStringLiteral(
                                  "The curves of this file, %1, are drawn over those of the "
                                  "reference, %2, which are the thinner dotted lines in the "
                                  "same colours.")
                                  .arg(PrintableName(core::FileNameOf(in.run.file)),
                                       PrintableName(core::FileNameOf(in.reference->file)))
                            : QString();
  // The chart goes to the next page with its heading and words.
  flow.Keep(flow.HeadingHeight() + flow.TextHeight(sensor) + flow.TextHeight(units) +
            (named.isEmpty() ? 0 : flow.TextHeight(named)) + flow.Mm(2) + height);
  flow.Heading(QStringLiteral("Chart"));
  flow.Text(sensor);
  flow.Text(units);
  if (!named.isEmpty()) flow.Text(named);
  flow.Gap(2);
  flow.Block(height, [&](QPainter& painter, const QRectF& place) {
    painter.translate(place.topLeft());
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(), window));
    chart::PaintChart(painter, layout);
  });
}

void Content(SheetFlow& flow, const SheetInput& in) {
  if (!in.run.curves) {
    RefusalPage(flow, in);
    flow.Finish();
    return;
  }
  const CurveSnapshot& curves = *in.run.curves;
  const CurveDifferences differences =
      in.reference ? CompareCurves(*in.reference->curves, curves) : CurveDifferences{};
  IdentitySection(flow, in);
  ResultSection(flow, in);
  if (in.reference) ComparisonSection(flow, in, differences);
  TargetsSection(flow, curves);
  // Beside the samples, which they often explain.
  FileLinesSection(flow, QStringLiteral("Notes in the file"), in.run.remarks,
                   QStringLiteral("The file holds no notes after its curves."));
  if (in.chart) Chart(flow, in, *in.chart);
  CurvesSection(flow, curves);
  FileLinesSection(flow, QStringLiteral("Lines before the header"), in.run.preamble,
                   QStringLiteral("The file has no lines before its header."));
  SignatureSection(flow, in);
  flow.Finish();
}

// Every page names the installation, the run and the file's identifier.
SheetFlow::PageMarks Marks(const SheetInput& in) {
  const SheetRun& run = in.run;
  QStringList head;
  if (!run.installation.isEmpty()) head << run.installation;
  if (!run.runText.isEmpty()) head << QStringLiteral("run ") + run.runText;
  if (!in.people.site.isEmpty()) head << QStringLiteral("site ") + in.people.site;
  if (head.isEmpty()) head << PrintableName(core::FileNameOf(run.file));
  const QString identifier = run.identifier.isEmpty()
                                 ? QStringLiteral("file unreadable")
                                 : QStringLiteral("file identifier ") + run.identifier;
  const QString what = run.curves ? QStringLiteral("Calibration sheet of %1")
                                  : QStringLiteral("Refused file %1: not a calibration sheet");
  return {head.join(QStringLiteral(" · ")), identifier,
          what.arg(PrintableName(core::FileNameOf(run.file))) + QStringLiteral(" · issued ") +
              in.people.issued.toString(Qt::ISODate)};
}

}  // namespace

SheetRun ReadSheetRun(const QString& file) {
  const FileRead read = ReadCrvFile(file, true);
  SheetRun run;
  run.file = file;
  run.outcome = read.outcome;
  run.end = read.read.end;
  run.problemLine = read.read.problem.line;
  run.openFailure = read.read.openFailure;
  run.opened = read.Opened();
  run.nameRead = core::PassesCrvNameTest(file);
  run.identifier = FileIdentifier(file);
  const std::vector<core::PreambleLine>& preamble = read.read.preamble;
  run.installation = HeaderField(preamble, QStringLiteral("Installation"));
  run.runText = HeaderField(preamble, QStringLiteral("Run"));
  run.sensor = HeaderField(preamble, QStringLiteral("Sensor"));
  run.preamble = FirstLines(preamble, preamble.size(), kLinesShown);
  run.remarks = FirstLines(read.read.remarks, read.read.remarkCount, kLinesShown);
  if (run.outcome.success) run.curves = SnapshotOf(file, read.read);
  return run;
}

void MakeSheetChart(SheetInput& input) {
  if (!input.run.curves) return;
  const CurveSnapshot* reference =
      input.reference && input.reference->curves ? &*input.reference->curves : nullptr;
  input.fileKind = ScaleOver(*input.run.curves, nullptr).sensorKind;
  if (reference != nullptr) input.referenceKind = ScaleOver(*reference, nullptr).sensorKind;
  // What the chart is drawn on: with a reference, the range of both runs.
  input.scale = ScaleOver(*input.run.curves, reference);
  input.chart = RunChart(*input.run.curves, reference, true);
}

bool Within(const SheetInput& input) {
  if (!input.tolerance || !input.reference || !input.run.curves) return true;
  return CurvesBeyond(CompareCurves(*input.reference->curves, *input.run.curves), *input.tolerance)
      .isEmpty();
}

bool WriteSheet(const SheetInput& input, QIODevice& device) {
  QPdfWriter pdf(&device);
  pdf.setResolution(kResolution);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF());
  const QString name = PrintableName(core::FileNameOf(input.run.file));
  pdf.setTitle(input.run.curves ? QStringLiteral("Calibration sheet of ") + name
                                : QStringLiteral("Refused file ") + name);
  pdf.setCreator(QStringLiteral("mirelda-crv"));

  // First count the pages, then draw them with "page N of M".
  SheetFlow measured(pdf, nullptr, 0, Marks(input));
  Content(measured, input);
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  SheetFlow flow(pdf, &painter, measured.Pages(), Marks(input));
  Content(flow, input);
  return painter.end();
}

}  // namespace cli
