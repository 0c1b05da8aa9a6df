#include "cli/RunCsv.h"

#include "cli/TextDecode.h"
#include "core/CurveNames.h"
#include "core/ValueLine.h"

namespace cli {

QString CsvField(const QString& text) {
  const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                      text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                      text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
  if (!quoted) return text;
  return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
         QLatin1Char('"');
}

QStringList RunCsv(const CurveSnapshot& curves, const core::CrvRead& read) {
  const QString point = QStringLiteral(".");
  QStringList rows{QString(), QStringLiteral("Line before the header")};
  for (const core::PreambleLine& line : read.preamble) {
    // Control characters escaped as info shows them, so a row stays one line.
    rows.append(CsvField(DisplayLine(QByteArray::fromStdString(line.head), line.truncated)));
  }
  const auto height = [](int16_t h) { return h < 0 ? QString() : QString::number(h); };
  rows += {QString(),
           QStringLiteral("Elevation switch,Height"),
           QStringLiteral("Up,") + height(curves.elevUp),
           QStringLiteral("Down,") + height(curves.elevDown),
           QString(),
           QStringLiteral("Sample set,Height,Value,Volts")};
  for (int16_t set = 0; set < core::kSampleSets; ++set) {
    for (const TargetSample& sample : curves.samples[static_cast<std::size_t>(set)]) {
      rows.append(QStringLiteral("%1,%2,%3,%4")
                      .arg(core::CurveCaption(set))
                      .arg(sample.height)
                      .arg(sample.value)
                      .arg(core::VoltsText(sample.value, point)));
    }
  }
  return rows;
}

}  // namespace cli
