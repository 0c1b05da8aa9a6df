// chart: the chart window's picture of one file, written to a file.
#include "ChartFile.h"
#include "Commands.h"
#include "FileOutcome.h"
#include "FrmChart.h"
#include "HeadlessWindow.h"
#include "PrintableName.h"

namespace cli {

int RunChart(const Invocation& inv, Output& out) {
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
  HeadlessWindow window;
  const QString& file = inv.operands.at(0);
  if (!ReadOneFile(window, file, inv.quiet, out)) return kExitFailure;
  // Built from the tables just read, as the viewer's chart window is.
  FrmChart chart;
  QString error;
  if (!WriteChart(chart, {*format, inv.size, inv.scale.value_or(1.0)}, inv.output, error)) {
    out.Error(QStringLiteral("cannot write %1: %2").arg(name, error));
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace cli
