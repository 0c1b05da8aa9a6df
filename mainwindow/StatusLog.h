#pragma once

#include <QString>
#include <cstdint>

namespace mainwindow {

// The status log holds whole lines ending in CR LF; it keeps at most this many
// characters, unless a single message is longer.
inline constexpr qsizetype kStatusLogLimit = 32000;

// Appending msg (and CR LF when newlineflag is not 0) to the log: when the
// result would pass the limit, whole lines are dropped from the start so that
// the newest text stays; msg itself is always kept whole. The change is the
// number of characters cut from the start and the tail added at the end.
struct LogAppend {
  qsizetype cut = 0;
  QString tail;
};
LogAppend AppendingToLog(const QString& log, const QString& msg, int16_t newlineflag);

// The log after that change.
QString AppendToLog(const QString& log, const QString& msg, int16_t newlineflag);

// The text of the About box: title, version and build, copyright, web address.
QString AboutText();

}  // namespace mainwindow
