// compare: how a file's curves changed against a reference run.
#include <QLocale>

#include "Commands.h"
#include "CurveCompare.h"
#include "CurveSnapshot.h"
#include "FileOutcome.h"

namespace cli {

int RunCompare(const Invocation& inv, Output& out) {
  // The two read values side by side.
  const FileRead reference = ReadOneFile(inv.operands.at(0), inv.quiet, out);
  const FileRead file = ReadOneFile(inv.operands.at(1), inv.quiet, out);
  if (!reference.outcome.success || !file.outcome.success) return kExitFailure;
  const CurveSnapshot before = SnapshotOf(reference.file, reference.read);
  const CurveSnapshot after = SnapshotOf(file.file, file.read);

  const CurveDifferences differences = CompareCurves(before, after);
  const QStringList lines = inv.csv ? DifferenceCsv(before, after)
                                    : DifferenceLines(differences, QLocale().decimalPoint());
  for (const QString& line : lines) out.Result(line);
  if (!inv.tolerance) return kExitSuccess;
  const QStringList beyond = CurvesBeyond(differences, *inv.tolerance);
  if (beyond.isEmpty()) return kExitSuccess;
  if (!inv.quiet) {
    out.Error(QStringLiteral("beyond the tolerance of %1V: %2")
                  .arg(QString::number(*inv.tolerance), beyond.join(QStringLiteral(", "))));
  }
  return kExitFailure;
}

}  // namespace cli
