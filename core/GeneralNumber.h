#pragma once

#include <QString>

namespace core {

// A plotted value as the chart writes it: at most 7 significant digits, no
// trailing zeros, no grouping, the user's decimal separator ("1.53", "78").
QString GeneralNumber(float value);

}  // namespace core
