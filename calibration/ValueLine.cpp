#include "ValueLine.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <charconv>
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

QString ValueLine(int16_t label, int32_t raw) {
  const int64_t hundredths = VoltHundredths(raw);
  const int64_t magnitude = std::llabs(hundredths);
  // Written into a small buffer and made a string once: a list is filled with
  // hundreds of these lines at every load.
  std::array<char, 32> head{};
  char* end = head.data();
  if (label < 10) end = std::fill_n(end, 2, ' ');
  end = std::to_chars(end, head.data() + head.size(), label).ptr;
  *end++ = '%';
  *end++ = '=';
  // Zero hundredths shows "0.00V" even for a small negative reading.
  if (hundredths < 0) *end++ = '-';
  end = std::to_chars(end, head.data() + head.size(), magnitude / 100).ptr;
  const std::array<char, 3> tail = {static_cast<char>('0' + magnitude % 100 / 10),
                                    static_cast<char>('0' + magnitude % 10), 'V'};
  const QString point = QLocale().decimalPoint();
  QString line;
  line.reserve(end - head.data() + point.size() + 3);
  line.append(QLatin1StringView(head.data(), end));
  line.append(point);
  line.append(QLatin1StringView(tail.data(), tail.size()));
  return line;
}

}  // namespace CURVEroutines
