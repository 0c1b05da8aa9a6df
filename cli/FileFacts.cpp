#include "FileFacts.h"

#include <QByteArray>

#include "CURVEroutines.h"
#include "ChartScaling.h"
#include "CrvPreamble.h"
#include "FileName.h"
#include "GeneralNumber.h"
#include "PrintableName.h"

namespace cli {

QStringList PreambleText(const QString& file) {
  QStringList lines;
  for (const CURVEroutines::PreambleLine& line : CURVEroutines::ReadPreamble(file)) {
    QString text = PrintableLine(platform::DecodeFileName(QByteArray::fromStdString(line.head)));
    if (line.truncated) text += QStringLiteral(" [... %1 bytes in all]").arg(line.length);
    lines.append(text);
  }
  return lines;
}

QString SensorText(const ChartScale& scale) {
  return QStringLiteral("%1, chart range %2 to %3 %4")
      .arg(scale.sensorKind, chartwindow::GeneralNumber(scale.minimum),
           chartwindow::GeneralNumber(scale.maximum), chartwindow::ValueUnit(scale.sensorKind));
}

QString SwitchText(int16_t height) {
  return height < 0 ? QStringLiteral("none") : QString::number(height) + QLatin1Char('%');
}

QString SampleCountLine(const CurveSnapshot& snapshot, int16_t set, const QStringList& warnings) {
  const QString caption = CURVEroutines::CurveCaption(set);
  QString line = caption + QStringLiteral(": ") +
                 QString::number(snapshot.samples[static_cast<std::size_t>(set)].size());
  // The viewer's own warning, where it gives one.
  if (warnings.contains(caption + QStringLiteral(" INVALID!"))) line += QStringLiteral(" INVALID!");
  return line;
}

}  // namespace cli
