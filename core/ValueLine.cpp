#include "core/ValueLine.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "core/RoundHalfEven.h"

namespace core {

int64_t VoltHundredths(int64_t raw) {
  // The reading passes through single precision; times 500 / 65536 is then
  // exact in double, so ties are seen exactly.
  const double scaled = static_cast<double>(static_cast<float>(raw)) * 500.0 / 65536.0;
  const double k = RoundHalfEven(scaled);
  // The volts are held in single precision before they are formatted to two places.
  const float volts = static_cast<float>(k / 100.0);
  return static_cast<int64_t>(RoundHalfEven(static_cast<double>(volts) * 100.0));
}

namespace {

// A list fills hundreds of lines per file: each line is written in ASCII
// around its decimal point and made a string once, at its final size.
QString Joined(std::string_view before, const QString& point, std::string_view after) {
  QString text(static_cast<qsizetype>(before.size() + after.size()) + point.size(),
               Qt::Uninitialized);
  QChar* out = text.data();
  for (const char c : before) *out++ = QLatin1Char(c);
  out = std::copy(point.begin(), point.end(), out);
  for (const char c : after) *out++ = QLatin1Char(c);
  return text;
}

// Writes the whole volts after head ("-" for a negative one; zero hundredths
// shows "0.00" even for a small negative reading) and puts the two decimals
// in tail, before what tail already holds.
void WriteHundredths(int64_t hundredths, std::string& head, std::string& tail) {
  const auto magnitude = static_cast<uint64_t>(hundredths < 0 ? -hundredths : hundredths);
  if (hundredths < 0) head += '-';
  std::array<char, 24> digits{};
  head.append(digits.data(), std::to_chars(digits.begin(), digits.end(), magnitude / 100).ptr);
  tail.insert(tail.begin(), {static_cast<char>('0' + magnitude % 100 / 10),
                             static_cast<char>('0' + magnitude % 10)});
}

// The user's decimal separator, looked up again only when the default locale
// changes.
const QString& DecimalPoint() {
  static QLocale locale;
  static QString point = locale.decimalPoint();
  const QLocale current;
  if (current != locale) {
    locale = current;
    point = current.decimalPoint();
  }
  return point;
}

}  // namespace

QString HundredthsText(int64_t hundredths, const QString& decimalPoint) {
  std::string head;
  std::string tail;
  WriteHundredths(hundredths, head, tail);
  return Joined(head, decimalPoint, tail);
}

QString VoltsText(int64_t raw, const QString& decimalPoint) {
  return HundredthsText(VoltHundredths(raw), decimalPoint);
}

QString ValueLine(int16_t label, int32_t raw) {
  std::string head = label < 10 ? "  " : "";
  std::array<char, 8> digits{};
  head.append(digits.data(), std::to_chars(digits.begin(), digits.end(), label).ptr);
  head += "%=";
  std::string tail = "V";
  WriteHundredths(VoltHundredths(raw), head, tail);
  return Joined(head, DecimalPoint(), tail);
}

}  // namespace core
