// compare: how a file's curves changed against a reference run.
#include <QLocale>

#include "cli/ChartExtras.h"
#include "cli/Commands.h"
#include "cli/CurveCompare.h"
#include "cli/CurveSnapshot.h"
#include "cli/FileOutcome.h"
#include "cli/PrintableName.h"

namespace cli {

namespace {

// Runs of one car read as one sensor kind; two kinds suggest files of two cars.
void WarnOfTwoKinds(const CurveSnapshot& before, const CurveSnapshot& after, Output& out) {
  const QString was = ScaleOver(before, nullptr).sensorKind;
  const QString is = ScaleOver(after, nullptr).sensorKind;
  if (was == is) return;
  out.Error(QStringLiteral("%1 reads as %2 and %3 as %4: they may not be runs of one sensor")
                .arg(PrintableName(before.path), was, PrintableName(after.path), is));
}

}  // namespace

int RunCompare(const Invocation& inv, Output& out) {
  // The two read values side by side.
  const FileRead reference = ReadOneFile(inv.operands.at(0), inv.quiet, out);
  const FileRead file = ReadOneFile(inv.operands.at(1), inv.quiet, out);
  if (!reference.outcome.success || !file.outcome.success) return kExitFailure;
  const CurveSnapshot before = SnapshotOf(reference.file, reference.read);
  const CurveSnapshot after = SnapshotOf(file.file, file.read);

  if (!inv.quiet) WarnOfTwoKinds(before, after, out);

  // Text takes the locale's decimal separator, as the viewer's lists do.
  const QLocale locale;
  const CurveDifferences differences = CompareCurves(before, after);
  const QStringList lines =
      inv.csv ? DifferenceCsv(before, after) : DifferenceLines(differences, locale.decimalPoint());
  for (const QString& line : lines) out.Result(line);
  if (!inv.tolerance) return kExitSuccess;
  const QStringList beyond = CurvesBeyond(differences, *inv.tolerance);
  if (beyond.isEmpty()) return kExitSuccess;
  if (!inv.quiet) {
    out.Error(
        QStringLiteral("beyond the tolerance of %1V: %2")
            .arg(locale.toString(*inv.tolerance, 'g', 15), beyond.join(QStringLiteral(", "))));
  }
  return kExitFailure;
}

}  // namespace cli
