// info: which installation and run a file belongs to, and what it holds.
#include <QJsonArray>

#include "cli/ChartExtras.h"
#include "cli/Commands.h"
#include "cli/FileFacts.h"
#include "cli/FileJson.h"
#include "cli/PrintableName.h"
#include "cli/TextDecode.h"
#include "core/ChartScale.h"
#include "core/CurveNames.h"

namespace cli {

namespace {

// The file's own lines are set apart from what the program says of them.
const QString kIndent = QStringLiteral("    ");

QJsonValue SwitchJson(int16_t height) {
  return height < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(height);
}

QJsonObject InfoJson(const FileRead& run) {
  QJsonObject info = OutcomeJson(run);
  QJsonArray preamble;
  for (const core::PreambleLine& line : run.read.preamble) {
    preamble.append(DecodeText(QByteArray::fromStdString(line.head), line.truncated));
  }
  info.insert(QStringLiteral("preamble"), preamble);
  if (!run.outcome.success) return info;
  const CurveSnapshot snapshot = SnapshotOf(run.file, run.read);
  const ChartScale scale = ScaleOver(snapshot, nullptr);
  info.insert(QStringLiteral("sensor"),
              QJsonObject{{QStringLiteral("kind"), scale.sensorKind},
                          {QStringLiteral("minimum"), static_cast<double>(scale.minimum)},
                          {QStringLiteral("maximum"), static_cast<double>(scale.maximum)},
                          {QStringLiteral("unit"), core::ValueUnit(scale.sensorKind)}});
  info.insert(QStringLiteral("switches"),
              QJsonObject{{QStringLiteral("up"), SwitchJson(snapshot.elevUp)},
                          {QStringLiteral("down"), SwitchJson(snapshot.elevDown)}});
  QJsonObject samples;
  for (int16_t set = 0; set < core::kSampleSets; ++set) {
    QJsonArray pairs;
    for (const TargetSample& sample : snapshot.samples[static_cast<std::size_t>(set)]) {
      pairs.append(QJsonObject{{QStringLiteral("height"), sample.height},
                               {QStringLiteral("value"), static_cast<qint64>(sample.value)}});
    }
    samples.insert(core::CurveCaption(set), pairs);
  }
  info.insert(QStringLiteral("samples"), samples);
  return info;
}

}  // namespace

int RunInfo(const Invocation& inv, Output& out) {
  const QString& file = inv.operands.at(0);
  const FileRead run = ReadCrvFile(file, true);
  const FileOutcome& outcome = run.outcome;
  if (inv.json) {
    out.Result(JsonLine(InfoJson(run)));
    return outcome.success ? kExitSuccess : kExitFailure;
  }
  out.Result(QStringLiteral("File: ") + PrintableName(file));
  if (run.Opened()) {
    const QStringList preamble = PreambleText(run.read);
    out.Result(QStringLiteral("Lines before the header: %1").arg(preamble.size()));
    for (const QString& line : preamble) out.Result(line.isEmpty() ? line : kIndent + line);
  }
  out.Result(QStringLiteral("Outcome: ") + outcome.Text());
  if (!outcome.success) return kExitFailure;

  const CurveSnapshot snapshot = SnapshotOf(file, run.read);
  out.Result(QStringLiteral("Sensor kind: ") + SensorText(ScaleOver(snapshot, nullptr)));
  out.Result(QStringLiteral("Elevation switch Up: ") + SwitchText(snapshot.elevUp));
  out.Result(QStringLiteral("Elevation switch Down: ") + SwitchText(snapshot.elevDown));
  for (int16_t set = 0; set < core::kSampleSets; ++set) {
    out.Result(SampleCountLine(snapshot, set));
  }
  return kExitSuccess;
}

}  // namespace cli
