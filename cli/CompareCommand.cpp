// compare: how a file's curves changed against a reference run.
#include <QLocale>
#include <optional>

#include "Commands.h"
#include "CurveCompare.h"
#include "CurveSnapshot.h"
#include "FileOutcome.h"
#include "HeadlessWindow.h"

namespace cli {

int RunCompare(const Invocation& inv, Output& out) {
  const QString& referencePath = inv.operands.at(0);
  const QString& filePath = inv.operands.at(1);
  // Each read overwrites the tables: what the comparison needs is copied out.
  HeadlessWindow window;
  std::optional<CurveSnapshot> reference;
  if (ReadOneFile(window, referencePath, inv.quiet, out)) reference = TakeSnapshot(referencePath);
  const bool fileRead = ReadOneFile(window, filePath, inv.quiet, out);
  if (!reference || !fileRead) return kExitFailure;
  const CurveSnapshot file = TakeSnapshot(filePath);

  const CurveDifferences differences = CompareCurves(*reference, file);
  const QStringList lines = inv.csv ? DifferenceCsv(*reference, file)
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
