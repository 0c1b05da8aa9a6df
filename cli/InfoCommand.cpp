// info: which installation and run a file belongs to, and what it holds.
#include "Commands.h"
#include "FileFacts.h"
#include "HeadlessWindow.h"
#include "PrintableName.h"

namespace cli {

int RunInfo(const Invocation& inv, Output& out) {
  const QString& file = inv.operands.at(0);
  HeadlessWindow window;
  const FileOutcome outcome = ReadCrvFile(window, file);
  out.Result(QStringLiteral("File: ") + PrintableName(file));
  if (WasOpened(file, outcome)) {
    const QStringList preamble = PreambleText(file);
    out.Result(QStringLiteral("Lines before the header: %1").arg(preamble.size()));
    for (const QString& line : preamble) out.Result(line);
  }
  out.Result(QStringLiteral("Outcome: ") + outcome.Text());
  if (!outcome.success) return kExitFailure;

  const CurveSnapshot snapshot = TakeSnapshot(file);
  out.Result(QStringLiteral("Sensor: ") + SensorText(ScaleOver(snapshot, nullptr)));
  out.Result(QStringLiteral("Elevation switch Up: ") + SwitchText(snapshot.elevUp));
  out.Result(QStringLiteral("Elevation switch Down: ") + SwitchText(snapshot.elevDown));
  for (int16_t set = 0; set < CURVEroutines::kSampleSets; ++set) {
    out.Result(SampleCountLine(snapshot, set, outcome.warnings));
  }
  return kExitSuccess;
}

}  // namespace cli
