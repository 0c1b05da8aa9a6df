#include "cli/FileOutcome.h"

#include "cli/PrintableName.h"
#include "cli/ReadReason.h"
#include "core/ReadTexts.h"
#include "core/SampleSets.h"
#include "core/StartName.h"

namespace cli {

namespace {

FileOutcome OutcomeOf(const core::CrvRead& read) {
  switch (read.end) {
    case core::ReadEnd::Whole: {
      // The target checks' warnings, as the reader logs them after its success.
      QStringList warnings;
      const core::SampleTables sets = core::SampleSetsOf(read);
      for (int16_t set = 0; set < core::kSampleSets; ++set) {
        if (!sets[static_cast<std::size_t>(set)].present) warnings += core::InvalidSetText(set);
      }
      return {true, core::SuccessText(), {}, warnings};
    }
    case core::ReadEnd::CouldNotOpen:
      return {false,
              QStringLiteral("Could not open file"),
              PrintableLine(QString::fromLocal8Bit(read.openFailure)),
              {}};
    case core::ReadEnd::Problem:
      return {false,
              QStringLiteral("Problem at line %1").arg(read.problem.line),
              ReasonText(read.problem),
              {}};
    case core::ReadEnd::Unfinished:
      return {false, QStringLiteral("Could not fully process"), ReasonText(read.problem), {}};
  }
  return {};
}

}  // namespace

QString FileOutcome::Line(const QString& file) const {
  QStringList parts{PrintableName(file) + QLatin1Char(':'), Text()};
  parts += warnings;
  return parts.join(QLatin1Char(' '));
}

QString FileOutcome::Text() const {
  return reason.isEmpty() ? message : message + QStringLiteral(": ") + reason;
}

QString NotCrvText() {
  return QStringLiteral("the name does not end in .CRV");
}

FileRead ReadCrvFile(const QString& file, bool keepPreamble) {
  // The viewer reads no file whose name fails its test.
  if (!core::PassesCrvNameTest(file)) {
    return {file, core::CrvRead{}, {false, NotCrvText(), {}, {}}};
  }
  FileRead run{file, core::ReadCrv(file, keepPreamble), {}};
  run.outcome = OutcomeOf(run.read);
  return run;
}

FileRead ReadOneFile(const QString& file, bool quiet, Output& out, bool keepPreamble) {
  FileRead run = ReadCrvFile(file, keepPreamble);
  if (!run.outcome.success) {
    out.Error(run.outcome.Line(file));
    return run;
  }
  for (const QString& warning : run.outcome.warnings) {
    if (!quiet) out.Error(PrintableName(file) + QStringLiteral(": ") + warning);
  }
  return run;
}

}  // namespace cli
