#include "ValueLine.h"

#include <QLocale>
#include <cstdlib>

#include "RoundHalfEven.h"

namespace CURVEroutines {

int64_t VoltHundredths(int32_t raw) {
  // The reading passes through single precision; times 500 / 65536 is then
  // exact in double, so ties are seen exactly.
  const double scaled = static_cast<double>(static_cast<float>(raw)) * 500.0 / 65536.0;
  const double k = RoundHalfEven(scaled);
  // The volts are held in single precision before they are formatted to two places.
  const float volts = static_cast<float>(k / 100.0);
  return static_cast<int64_t>(RoundHalfEven(static_cast<double>(volts) * 100.0));
}

QString VoltsText(int32_t raw, const QString& decimalPoint) {
  const int64_t hundredths = VoltHundredths(raw);
  const int64_t magnitude = std::llabs(hundredths);
  QString text;
  // Zero hundredths shows "0.00" even for a small negative reading.
  if (hundredths < 0) text += QLatin1Char('-');
  text += QString::number(magnitude / 100) + decimalPoint +
          QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
  return text;
}

QString ValueLine(int16_t label, int32_t raw) {
  QString line;
  if (label < 10) line += QStringLiteral("  ");
  line += QString::number(label) + QStringLiteral("%=") + VoltsText(raw, QLocale().decimalPoint()) +
          QLatin1Char('V');
  return line;
}

}  // namespace CURVEroutines
