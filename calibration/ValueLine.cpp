#include "ValueLine.h"

#include <QLocale>
#include <charconv>

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

namespace {

// Appends the volts text; a list fills hundreds of lines per file, so the
// text is put together in place, without intermediate strings.
void AppendVolts(QString& text, int32_t raw, const QString& decimalPoint) {
  const int64_t hundredths = VoltHundredths(raw);
  const auto magnitude = static_cast<uint64_t>(hundredths < 0 ? -hundredths : hundredths);
  // Zero hundredths shows "0.00" even for a small negative reading.
  if (hundredths < 0) text += QLatin1Char('-');
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, magnitude / 100).ptr;
  text += QLatin1String(digits, end);
  text += decimalPoint;
  text += QLatin1Char(static_cast<char>('0' + magnitude % 100 / 10));
  text += QLatin1Char(static_cast<char>('0' + magnitude % 10));
}

}  // namespace

QString VoltsText(int32_t raw, const QString& decimalPoint) {
  QString text;
  text.reserve(24);
  AppendVolts(text, raw, decimalPoint);
  return text;
}

QString ValueLine(int16_t label, int32_t raw) {
  QString line;
  line.reserve(32);
  if (label < 10) line += QLatin1String("  ");
  char digits[8];
  line += QLatin1String(digits, std::to_chars(digits, digits + sizeof digits, label).ptr);
  line += QLatin1String("%=");
  AppendVolts(line, raw, QLocale().decimalPoint());
  line += QLatin1Char('V');
  return line;
}

}  // namespace CURVEroutines
