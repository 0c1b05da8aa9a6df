// info: which installation and run a file belongs to, and what it holds.
#include "Commands.h"
#include "FileFacts.h"
#include "PrintableName.h"

namespace cli {

int RunInfo(const Invocation& inv, Output& out) {
  const QString& file = inv.operands.at(0);
  const FileRead run = ReadCrvFile(file, true);
  const FileOutcome& outcome = run.outcome;
  out.Result(QStringLiteral("File: ") + PrintableName(file));
  if (run.Opened()) {
    const QStringList preamble = PreambleText(run.read);
    out.Result(QStringLiteral("Lines before the header: %1").arg(preamble.size()));
    for (const QString& line : preamble) out.Result(line);
  }
  out.Result(QStringLiteral("Outcome: ") + outcome.Text());
  if (!outcome.success) return kExitFailure;

  const CurveSnapshot snapshot = SnapshotOf(file, run.read);
  out.Result(QStringLiteral("Sensor: ") + SensorText(ScaleOver(snapshot, nullptr)));
  out.Result(QStringLiteral("Elevation switch Up: ") + SwitchText(snapshot.elevUp));
  out.Result(QStringLiteral("Elevation switch Down: ") + SwitchText(snapshot.elevDown));
  for (int16_t set = 0; set < core::kSampleSets; ++set) {
    out.Result(SampleCountLine(snapshot, set));
  }
  return kExitSuccess;
}

}  // namespace cli
