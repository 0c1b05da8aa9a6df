// chart: the chart window's picture of one file, written to a file, with the
// reference run and the marks when asked for.
#include <optional>

#include "cli/ChartExtras.h"
#include "cli/ChartFile.h"
#include "cli/Commands.h"
#include "cli/CurveSnapshot.h"
#include "cli/FileOutcome.h"
#include "cli/PrintableName.h"
#include "cli/SameFile.h"

namespace cli {

int RunChart(const Invocation& inv, Output& out) {
  if (OutputOverInput(inv, out)) return kExitUsage;
  const QString name = PrintableName(inv.output);
  const std::optional<ChartFormat> format = ChartFormatOf(inv.output);
  if (!format) {
    out.Error(QStringLiteral("'%1': the chart is written as .png, .svg or .pdf").arg(name));
    return kExitUsage;
  }
  // Lines and text have no pixels to scale.
  if (inv.scale && *format != ChartFormat::Png) {
    out.Error(QStringLiteral("'%1': '--scale' goes with a .png chart").arg(name));
    return kExitUsage;
  }
  const QString& file = inv.operands.at(0);
  std::optional<CurveSnapshot> reference;
  if (!inv.reference.isEmpty()) {
    const FileRead run = ReadOneFile(inv.reference, inv.quiet, out);
    if (!run.outcome.success) return kExitFailure;
    reference = SnapshotOf(inv.reference, run.read);
  }
  const FileRead run = ReadOneFile(file, inv.quiet, out);
  if (!run.outcome.success) return kExitFailure;
  // The chart the viewer's chart window shows of the file just read.
  const CurveSnapshot curves = SnapshotOf(file, run.read);
  const chart::ChartContent chart = RunChart(curves, reference ? &*reference : nullptr, inv.marks);
  QString error;
  if (!WriteChart(chart, {*format, inv.size, inv.scale.value_or(1.0)}, inv.output, error)) {
    out.Error(QStringLiteral("cannot write %1: %2").arg(name, error));
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace cli
