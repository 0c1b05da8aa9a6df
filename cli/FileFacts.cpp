#include "cli/FileFacts.h"

#include <QByteArray>

#include "cli/PrintableName.h"
#include "cli/TextDecode.h"
#include "core/ChartScale.h"
#include "core/CurveNames.h"
#include "core/FileNameBytes.h"
#include "core/GeneralNumber.h"
#include "core/SampleSets.h"

namespace cli {

QStringList PreambleText(const core::CrvRead& read) {
  QStringList lines;
  for (const core::PreambleLine& line : read.preamble) {
    QString text = DisplayLine(QByteArray::fromStdString(line.head), line.truncated);
    if (line.truncated) text += QStringLiteral(" [... %1 bytes in all]").arg(line.length);
    lines.append(text);
  }
  return lines;
}

QString SensorText(const ChartScale& scale) {
  return QStringLiteral("%1, chart range %2 to %3 %4")
      .arg(scale.sensorKind, core::GeneralNumber(scale.minimum), core::GeneralNumber(scale.maximum),
           core::ValueUnit(scale.sensorKind));
}

QString SwitchText(int16_t height) {
  return height < 0 ? QStringLiteral("none") : QString::number(height) + QLatin1Char('%');
}

QString SampleCountLine(const CurveSnapshot& snapshot, int16_t set) {
  const std::vector<TargetSample>& samples = snapshot.samples[static_cast<std::size_t>(set)];
  QString line = core::CurveCaption(set) + QStringLiteral(": ") + QString::number(samples.size());
  // The viewer warns of a set without samples.
  if (samples.empty()) line += core::InvalidMark();
  return line;
}

}  // namespace cli
