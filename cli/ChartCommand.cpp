// chart: the chart window's picture of one file, written to a file.
#include "ChartFile.h"
#include "Commands.h"
#include "FileOutcome.h"
#include "FrmChart.h"
#include "HeadlessWindow.h"
#include "PrintableName.h"

namespace cli {

int RunChart(const Invocation& inv, Output& out) {
  const std::optional<ChartFormat> format = ChartFormatOf(inv.output);
  if (!format) {
    out.Error(QStringLiteral("'%1': the chart is written as .png, .svg or .pdf")
                  .arg(PrintableName(inv.output)));
    return kExitUsage;
  }
  HeadlessWindow window;
  const QString& file = inv.operands.at(0);
  if (!ReadOneFile(window, file, inv.quiet, out)) return kExitFailure;
  // Built from the tables just read, as the viewer's chart window is.
  FrmChart chart;
  QString error;
  if (!WriteChart(chart, inv.size, *format, inv.output, error)) {
    out.Error(
        QStringLiteral("%1: could not write the chart: %2").arg(PrintableName(inv.output), error));
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace cli
