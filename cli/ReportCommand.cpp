// report: a calibration sheet of one file, as an A4 PDF.
#include <QLocale>

#include "cli/Commands.h"
#include "cli/CurveCompare.h"
#include "cli/OutputFile.h"
#include "cli/PrintableName.h"
#include "cli/SameFile.h"
#include "cli/sheet/CalibrationSheet.h"

namespace cli {

int RunReport(const Invocation& inv, Output& out) {
  if (OutputOverInput(inv, out)) return kExitUsage;
  SheetInput input;
  // Kept on their lines, as the file's own text is.
  input.people = {PrintableLine(inv.site), PrintableLine(inv.technician), inv.issued};
  input.tolerance = inv.tolerance;
  if (!inv.reference.isEmpty()) {
    input.reference = ReadSheetRun(inv.reference);
    if (!input.reference->curves) {
      out.Error(input.reference->outcome.Line(inv.reference));
      return kExitFailure;
    }
  }
  input.run = ReadSheetRun(inv.operands.at(0));
  const bool read = input.run.curves.has_value();
  // A file that does not read still gets its page, which says why.
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
  if (!read) return kExitFailure;
  // As compare does: a run beyond its tolerance fails, and says which curves.
  if (!Within(input)) {
    if (!inv.quiet) {
      const QStringList beyond =
          CurvesBeyond(CompareCurves(*input.reference->curves, *input.run.curves), *inv.tolerance);
      out.Error(QStringLiteral("%1: beyond the tolerance of %2V: %3")
                    .arg(PrintableName(input.run.file), QLocale().toString(*inv.tolerance, 'g', 15),
                         beyond.join(QStringLiteral(", "))));
    }
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace cli
