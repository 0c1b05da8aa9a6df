#pragma once

#include <QStringList>

#include "cli/CurveSnapshot.h"
#include "core/CrvRead.h"

namespace cli {

// Which run the curve table is, as more comma-separated rows to put below it:
// the lines before the header, the elevation switches and the target samples
// (sorted as the viewer sorts them, with their volts), each block after an
// empty row and under its own header row. A spreadsheet shows the curves at
// the top, as before, and the run's facts below them.
QStringList RunCsv(const CurveSnapshot& curves, const core::CrvRead& read);

// A field as CSV writes it: in double quotes, its own doubled, when it holds
// a comma, a double quote or a line break, or starts or ends with a blank.
QString CsvField(const QString& text);

}  // namespace cli
