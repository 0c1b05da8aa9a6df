// report: a calibration sheet of one file, as an A4 PDF.
#include "CalibrationSheet.h"
#include "Commands.h"
#include "OutputFile.h"
#include "PrintableName.h"
#include "SameFile.h"

namespace cli {

int RunReport(const Invocation& inv, Output& out) {
  if (OutputOverInput(inv, out)) return kExitUsage;
  SheetInput input;
  if (!inv.reference.isEmpty()) {
    input.reference = ReadSheetRun(inv.reference);
    if (!input.reference->curves) {
      out.Error(input.reference->outcome.Line(inv.reference));
      return kExitFailure;
    }
  }
  input.run = ReadSheetRun(inv.operands.at(0));
  const bool read = input.run.curves.has_value();
  // A file that does not read still gets its sheet, which says why.
  if (!read) out.Error(input.run.outcome.Line(input.run.file));
  MakeSheetChart(input);

  QString error;
  const auto draw = [&](QIODevice& device, QString& why) {
    if (WriteSheet(input, device)) return true;
    why = QStringLiteral("the sheet could not be drawn");
    return false;
  };
  if (!WriteOutputFile(inv.output, draw, error)) {
    out.Error(QStringLiteral("cannot write %1: %2").arg(PrintableName(inv.output), error));
    return kExitFailure;
  }
  return read ? kExitSuccess : kExitFailure;
}

}  // namespace cli
