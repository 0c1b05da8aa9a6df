// The sheet's sections of words: who and what it is of, the outcome, the
// comparison, and the page of a refused file.
#include "cli/sheet/SheetSections.h"

#include <QLocale>

#include "cli/PrintableName.h"
#include "cli/sheet/SheetWords.h"
#include "core/CurveNames.h"
#include "core/ValueLine.h"

namespace cli {

namespace {

QString OrElse(const QString& text, const QString& otherwise) {
  return text.isEmpty() ? otherwise : text;
}

QString NameOf(const QString& path) {
  return PrintableName(core::FileNameOf(path));
}

QString IdentifierText(const SheetRun& run) {
  return run.identifier.isEmpty()
             ? QStringLiteral("none: the file could not be read")
             : run.identifier + QStringLiteral(" (first 12 hex digits of the SHA-256 of the file)");
}

// Why a file gave no curves, in plain words.
QString RefusalSentence(const SheetRun& run) {
  if (!run.nameRead) {
    return QStringLiteral(
        "Its name does not end in .CRV, so it was not read as a calibration "
        "file.");
  }
  switch (run.end) {
    case core::ReadEnd::CouldNotOpen:
      return QStringLiteral("It could not be opened: %1.")
          .arg(PrintableName(QString::fromLocal8Bit(run.openFailure)));
    case core::ReadEnd::Problem:
      return QStringLiteral(
                 "Line %1 of the file does not keep to the format of a calibration "
                 "file: %2.")
          .arg(run.problemLine)
          .arg(run.outcome.reason);
    case core::ReadEnd::Unfinished:
      return QStringLiteral("The file ends before its calibration data is complete: %1.")
          .arg(run.outcome.reason);
    case core::ReadEnd::Whole:
      break;
  }
  return run.outcome.Text();
}

void RunFields(SheetFlow& flow, const SheetRun& run) {
  flow.Field(QStringLiteral("Installation"),
             OrElse(run.installation, QStringLiteral("not stated in the file")));
  flow.Field(QStringLiteral("Calibration run"),
             OrElse(run.runText, QStringLiteral("not stated in the file")));
}

void FileFields(SheetFlow& flow, const SheetRun& run) {
  flow.Field(QStringLiteral("File"), NameOf(run.file));
  flow.Field(QStringLiteral("File identifier"), IdentifierText(run));
}

}  // namespace

void IdentitySection(SheetFlow& flow, const SheetInput& in) {
  flow.Text(QStringLiteral("Calibration sheet"), SheetFlow::TextFont(15, true));
  flow.Text(QStringLiteral("Lift load-weighing system: calibration curves of one run"));
  flow.Gap(3);
  RunFields(flow, in.run);
  if (!in.run.sensor.isEmpty()) flow.Field(QStringLiteral("Sensor"), in.run.sensor);
  flow.Field(QStringLiteral("Site"), OrElse(in.people.site, QStringLiteral("not given")));
  flow.Field(QStringLiteral("Technician"),
             OrElse(in.people.technician, QStringLiteral("not given")));
  flow.Field(QStringLiteral("Date of issue"), in.people.issued.toString(Qt::ISODate));
  FileFields(flow, in.run);
}

void ResultSection(SheetFlow& flow, const SheetInput& in) {
  flow.Heading(QStringLiteral("Result"));
  flow.Text(QStringLiteral(
      "The file was read whole: the five measured curves at every height from 0 % to 100 %, "
      "and the Delta Up and Delta Down curves derived from them, are shown below."));
  if (!in.tolerance) return;
  flow.Gap(1.5);
  flow.Text(VerdictSentence(Within(in), *in.tolerance), SheetFlow::TextFont(10, true));
  flow.Text(ToleranceRule(*in.tolerance));
}

void ComparisonSection(SheetFlow& flow, const SheetInput& in, const CurveDifferences& differences) {
  const SheetRun& reference = *in.reference;
  flow.Heading(QStringLiteral("Compared with the reference run"));
  RunFields(flow, reference);
  FileFields(flow, reference);
  const QString kinds = KindsSentence(in.referenceKind, in.fileKind);
  if (!kinds.isEmpty()) {
    flow.Gap(1);
    flow.Text(kinds, SheetFlow::TextFont(9, true));
  }
  flow.Heading(QStringLiteral("Differences from the reference, in volts (V)"));
  flow.Text(QStringLiteral(
      "Each difference is this file minus the reference, at one height, in volts to "
      "hundredths as the tables show them. The largest is the one of greatest size, at the "
      "lowest height where it lies; the mean is taken over every height from 0 % to 100 %."));
  flow.Gap(1);
  QList<SheetFlow::Column> columns{{QStringLiteral("Curve"), 36, Qt::AlignLeft},
                                   {QStringLiteral("Largest (V)"), 28, Qt::AlignRight},
                                   {QStringLiteral("At height (%)"), 28, Qt::AlignRight},
                                   {QStringLiteral("Mean (V)"), 28, Qt::AlignRight}};
  if (in.tolerance) {
    columns.append(
        {QStringLiteral("Within %1").arg(ToleranceText(*in.tolerance)), 40, Qt::AlignRight});
  }
  const QString point = QLocale().decimalPoint();
  QList<SheetFlow::Row> rows;
  for (int c = 0; c < kPlotted; ++c) {
    const CurveDifference& d = differences[static_cast<std::size_t>(c)];
    SheetFlow::Row row{{core::CurveName(PlottedCode(c)), core::HundredthsText(d.largest, point),
                        QString::number(d.height), core::HundredthsText(d.meanHundredths, point)},
                       {}};
    if (in.tolerance) {
      const bool within = WithinTolerance(d, *in.tolerance);
      row.cells.append(within ? QStringLiteral("yes") : QStringLiteral("no"));
      row.marked = {false, !within, false, false, !within};
    }
    rows.append(row);
  }
  flow.Table(columns, rows);
}

void RefusalPage(SheetFlow& flow, const SheetInput& in) {
  const SheetRun& run = in.run;
  flow.Text(QStringLiteral("Not a calibration sheet"), SheetFlow::TextFont(15, true));
  flow.Text(QStringLiteral(
      "The file named below was refused when it was read, so it gives no calibration results. "
      "This page records why; it must not be filed as a calibration sheet."));
  flow.Heading(QStringLiteral("Why the file was refused"));
  flow.Text(RefusalSentence(run));
  flow.Heading(QStringLiteral("The file"));
  FileFields(flow, run);
  if (run.opened) RunFields(flow, run);
  flow.Field(QStringLiteral("Date of issue"), in.people.issued.toString(Qt::ISODate));
  if (run.opened) {
    FileLinesSection(flow, QStringLiteral("Lines before the header"), run.preamble,
                     QStringLiteral("The file has no lines before its header."));
  }
}

}  // namespace cli
