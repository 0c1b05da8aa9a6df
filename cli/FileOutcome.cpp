#include "FileOutcome.h"

#include "CURVEroutines.h"
#include "CrvRules.h"
#include "PrintableName.h"
#include "ReadReason.h"
#include "StartName.h"

namespace cli {

namespace {
const QString kSuccess = QStringLiteral("Success!");
const QString kCouldNotOpen = QStringLiteral("Could not open file!");
}  // namespace

QString FileOutcome::Line(const QString& file) const {
  QStringList parts{PrintableName(file) + QLatin1Char(':'), Text()};
  parts += warnings;
  return parts.join(QLatin1Char(' '));
}

QString FileOutcome::Text() const {
  // The reader's messages name the file too; the reason is printable already.
  return reason.isEmpty() ? PrintableName(message)
                          : PrintableName(message) + QStringLiteral(": ") + reason;
}

FileOutcome ReadCrvFile(HeadlessWindow& window, const QString& file) {
  // The viewer reads no file whose name fails its test.
  if (!mainwindow::PassesCrvNameTest(file)) {
    return {false, mainwindow::CannotProcessText(file), {}, {}};
  }
  window.Forget();
  CURVEroutines::ReadCurveFile(file);
  const QStringList& log = window.Log();
  if (window.ChartShown()) {
    // Every line logged after "Success!" is a warning about the targets.
    const qsizetype at = log.lastIndexOf(kSuccess);
    return {true, kSuccess, {}, log.mid(at + 1)};
  }
  // The status line says it more briefly than the box, which repeats the name.
  if (!log.isEmpty() && log.last() == kCouldNotOpen) return {false, kCouldNotOpen, {}, {}};
  return {false, window.Boxes().value(0), ReasonText(CURVEroutines::LastReadProblem), {}};
}

bool WasOpened(const QString& file, const FileOutcome& outcome) {
  return mainwindow::PassesCrvNameTest(file) && outcome.message != kCouldNotOpen;
}

bool ReadOneFile(HeadlessWindow& window, const QString& file, bool quiet, Output& out) {
  const FileOutcome outcome = ReadCrvFile(window, file);
  if (!outcome.success) {
    out.Error(outcome.Line(file));
    return false;
  }
  for (const QString& warning : outcome.warnings) {
    if (!quiet) out.Error(PrintableName(file) + QStringLiteral(": ") + warning);
  }
  return true;
}

}  // namespace cli
