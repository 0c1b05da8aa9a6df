#pragma once

#include <QStringList>

#include "cli/CurveSnapshot.h"

namespace cli {

// The seven plotted curves as comma-separated rows: a header, then one row
// per height 0..100 with the raw readings of Dynamic .. Delta Down and then
// their volts, rounded as the lists round them. The volts use a decimal
// point whatever the locale, as the comma separates the columns.
QStringList CurveCsv(const CurveSnapshot& curves);

}  // namespace cli
