#pragma once

#include <QString>
#include <cstdint>

namespace mainwindow {

// The status log holds whole lines ending in CR LF; it keeps at most this many
// characters, unless a single message is longer.
inline constexpr qsizetype kStatusLogLimit = 32000;

// The log after appending msg (and CR LF when newlineflag is not 0). When the
// result would pass the limit, whole lines are dropped from the start so that
// the newest text stays; msg itself is always kept whole.
QString AppendToLog(const QString& log, const QString& msg, int16_t newlineflag);

// The text of the About box: title, version and build, copyright, web address.
QString AboutText();

}  // namespace mainwindow
