#pragma once

#include <QString>
#include <cstdint>

namespace core {

// The hundredths of a volt shown for a raw reading (65536 counts are 5 V),
// rounded half to even the way the lists show them.
// A difference of two readings may leave 32 bits; it is rounded the same way.
int64_t VoltHundredths(int64_t raw);

// The volts of a raw reading as the lists show them, without the unit:
// "1.53", "-0.62", "0.00" for a small negative reading too.
QString VoltsText(int64_t raw, const QString& decimalPoint);
// The same for volts already in hundredths.
QString HundredthsText(int64_t hundredths, const QString& decimalPoint);

// One list line for a height label and a raw reading, e.g. "  5%=1.00V".
// The decimal separator is that of the default QLocale.
QString ValueLine(int16_t label, int32_t raw);

}  // namespace core
