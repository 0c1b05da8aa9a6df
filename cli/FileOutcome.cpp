#include "FileOutcome.h"

#include "PrintableName.h"
#include "ReadReason.h"
#include "core/ReadTexts.h"
#include "core/SampleSets.h"
#include "core/StartName.h"

namespace cli {

namespace {

FileOutcome OutcomeOf(const QString& file, const core::CrvRead& read) {
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
      // The status line says it more briefly than the box, which repeats the name.
      return {false, core::CouldNotOpenStatusText(), {}, {}};
    case core::ReadEnd::Problem:
      return {false, core::ProblemText(file, read.problem.line), ReasonText(read.problem), {}};
    case core::ReadEnd::Unfinished:
      return {false, core::UnfinishedText(file), ReasonText(read.problem), {}};
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
  // The reader's messages name the file too; the reason is printable already.
  return reason.isEmpty() ? PrintableName(message)
                          : PrintableName(message) + QStringLiteral(": ") + reason;
}

FileRead ReadCrvFile(const QString& file, bool keepPreamble) {
  // The viewer reads no file whose name fails its test.
  if (!core::PassesCrvNameTest(file)) {
    return {file, core::CrvRead{}, {false, core::CannotProcessText(file), {}, {}}};
  }
  FileRead run{file, core::ReadCrv(file, keepPreamble), {}};
  run.outcome = OutcomeOf(file, run.read);
  return run;
}

FileRead ReadOneFile(const QString& file, bool quiet, Output& out) {
  FileRead run = ReadCrvFile(file);
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
